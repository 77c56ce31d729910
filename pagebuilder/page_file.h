// A page being written: created (or emptied), bytes written as they are, closed. Line ends pass
// through unchanged, so a template with CR LF line ends gives pages with CR LF line ends.
// Other programs may read and write the file while it is open.
#ifndef ORV_PAGEBUILDER_PAGE_FILE_H
#define ORV_PAGEBUILDER_PAGE_FILE_H

#include <cstdio>
#include <string>
#include <string_view>

namespace orv::pagebuilder {

class PageFile {
 public:
  PageFile() = default;
  ~PageFile();
  PageFile(const PageFile&) = delete;
  PageFile& operator=(const PageFile&) = delete;

  bool Create(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // False when not everything could be written.
  bool Write(std::string_view bytes);
  // False when buffered bytes could not be written out.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
};

// Creates `path`, writes `bytes` and closes it; false on any failure.
bool WritePage(const std::string& path, std::string_view bytes);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_PAGE_FILE_H
