// The character set a web page is written in, and the page in the user's code page. The web
// search and filescan's page reader find it the same way.
//
// The declared set wins: the Content-Type header's charset, else a UTF-8 byte order mark, else
// the first <meta> tag of the head that names a known set (a meta charset or an http-equiv
// Content-Type). ISO-8859-1 and US-ASCII are read as windows-1252, as browsers do. A page that
// declares nothing (or only sets we do not know) is UTF-8 when its bytes are valid UTF-8, and
// windows-1252 otherwise: today's sites often leave the declaration out of UTF-8 pages, and
// windows-1252 text with accents is almost never valid UTF-8.
#ifndef ORV_TEXT_HTML_CHARSET_H
#define ORV_TEXT_HTML_CHARSET_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::text {

// The charset parameter of a Content-Type value, lower-cased ("" when there is none).
std::string CharsetParameter(std::string_view contentType);

// The code page the page itself declares (byte order mark or <meta> tag before "</head"), 0 when
// it declares none that is known. `lower` is the page lower-cased (ToLowerAscii), which callers
// that look for other tags have made already.
uint32_t DeclaredCodePage(std::string_view page, std::string_view lower);
uint32_t DeclaredCodePage(std::string_view page);

// The code page of a fetched page, by the rules above (never 0).
uint32_t CodePageOfPage(std::string_view contentType, std::string_view page);

// The page's bytes in the user's code page. In a UTF-8 page, bytes that fit no UTF-8 sequence
// are read as windows-1252 (text pasted in from elsewhere), the rest as UTF-8.
std::string PageToUser(std::string_view page, std::string_view contentType);

}  // namespace orv::text

#endif  // ORV_TEXT_HTML_CHARSET_H
