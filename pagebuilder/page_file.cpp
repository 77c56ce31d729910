#include "pagebuilder/page_file.h"

namespace orv::pagebuilder {

PageFile::~PageFile() { Close(); }

bool PageFile::Create(const std::string& path) {
  Close();
  if (path.empty()) return false;
  return file_.Create(path);
}

bool PageFile::Write(std::string_view bytes) { return file_.Write(bytes); }

bool PageFile::Close() {
  if (!file_.IsOpen()) return true;
  return file_.Commit();
}

bool WritePage(const std::string& path, std::string_view bytes) {
  PageFile page;
  if (!page.Create(path)) return false;
  const bool written = page.Write(bytes);
  return page.Close() && written;
}

}  // namespace orv::pagebuilder
