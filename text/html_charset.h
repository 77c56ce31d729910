// The character set a web page is written in, and the page in the user's code page.
//
// The declared set wins: the Content-Type header's charset, else the one a <meta> tag near the
// top of the page names, else windows-1252. ISO-8859-1 and US-ASCII are read as windows-1252,
// as browsers do; a set we do not know is read as windows-1252 as well.
#ifndef ORV_TEXT_HTML_CHARSET_H
#define ORV_TEXT_HTML_CHARSET_H

#include <string>
#include <string_view>

namespace orv::text {

enum class PageCharset { kWindows1252, kUtf8 };

// The charset parameter of a Content-Type value, lower-cased ("" when there is none).
std::string CharsetParameter(std::string_view contentType);
// The charset a <meta charset> or <meta http-equiv content> tag declares, lower-cased. Only the
// first 8 KiB are looked at: the tag must come early in the page.
std::string MetaCharset(std::string_view page);

PageCharset CharsetOfPage(std::string_view contentType, std::string_view page);

// The page's bytes in the user's code page. Bytes that are not valid in a UTF-8 page are read as
// windows-1252.
std::string PageToUser(std::string_view page, std::string_view contentType);

}  // namespace orv::text

#endif  // ORV_TEXT_HTML_CHARSET_H
