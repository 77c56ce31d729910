#include "pagebuilder/page_file.h"

namespace orv::pagebuilder {

PageFile::~PageFile() { Close(); }

bool PageFile::Create(const std::string& path) {
  Close();
  if (path.empty()) return false;
  // Binary mode: the bytes of the template reach the page unchanged.
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
}

bool PageFile::Write(std::string_view bytes) {
  if (!file_) return false;
  if (bytes.empty()) return true;
  return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool PageFile::Close() {
  if (!file_) return true;
  const bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok;
}

bool WritePage(const std::string& path, std::string_view bytes) {
  PageFile page;
  if (!page.Create(path)) return false;
  const bool written = page.Write(bytes);
  return page.Close() && written;
}

}  // namespace orv::pagebuilder
