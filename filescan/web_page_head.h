// What a web page's head says about it: the text between its first title tags, the content of
// its description meta tag, and the charset its meta tags declare (a meta charset or an
// http-equiv Content-Type), which the two texts are converted from. Both texts are shown as a
// browser shows them: character references decoded, runs of blanks made one space, trimmed. Without a declaration the
// page is windows-1252 (UTF-8 when it starts with a byte order mark).
#ifndef ORV_FILESCAN_WEB_PAGE_HEAD_H
#define ORV_FILESCAN_WEB_PAGE_HEAD_H

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::filescan {

// The title and the description are in a page's head: a larger file is read only this far.
constexpr size_t kMaxWebPageBytes = 4 << 20;

struct WebPageHead {
  std::string title;  // in the user's code page; empty without title tags
  bool hasDescription = false;
  std::string description;
};

// `page` is the file's bytes; the text ends at the first zero byte.
WebPageHead DecodeWebPageHead(std::string_view page);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_WEB_PAGE_HEAD_H
