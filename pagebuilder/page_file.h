// A page being written: bytes written as they are, then closed. Line ends pass through
// unchanged, so a template with CR LF line ends gives pages with CR LF line ends. The page
// replaces a file of the same name only when it is closed, whole: an export that is killed or
// fails half-way leaves the page of an earlier export as it was.
#ifndef ORV_PAGEBUILDER_PAGE_FILE_H
#define ORV_PAGEBUILDER_PAGE_FILE_H

#include <string>
#include <string_view>

#include "platform/replacing_file.h"

namespace orv::pagebuilder {

class PageFile {
 public:
  PageFile() = default;
  ~PageFile();
  PageFile(const PageFile&) = delete;
  PageFile& operator=(const PageFile&) = delete;

  bool Create(const std::string& path);
  bool IsOpen() const { return file_.IsOpen(); }
  // False when not everything could be written.
  bool Write(std::string_view bytes);
  // Puts the page in place; false when it could not be written whole (the old file, if any,
  // is then left as it was).
  bool Close();

 private:
  platform::ReplacingFile file_;
};

// Creates `path`, writes `bytes` and closes it; false on any failure.
bool WritePage(const std::string& path, std::string_view bytes);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_PAGE_FILE_H
