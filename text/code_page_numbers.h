// Text in a code page named by its Windows number (as property sets and web pages declare it)
// to UTF-8 or the user's code page. The common ones are converted here, the same in both builds;
// others go through the system's converter (platform/codepage.h), and a code page the system
// does not know either is read as windows-1252.
#ifndef ORV_TEXT_CODE_PAGE_NUMBERS_H
#define ORV_TEXT_CODE_PAGE_NUMBERS_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::text {

constexpr uint32_t kCodePageUtf16Le = 1200;
constexpr uint32_t kCodePageUtf16Be = 1201;
constexpr uint32_t kCodePageWindows1252 = 1252;
constexpr uint32_t kCodePageAscii = 20127;
constexpr uint32_t kCodePageLatin1 = 28591;
constexpr uint32_t kCodePageUtf8 = 65001;

// UTF-8 text that is not valid UTF-8 is read byte by byte as windows-1252.
std::string CodePageToUtf8(uint32_t codePage, std::string_view bytes);
std::string CodePageToUser(uint32_t codePage, std::string_view bytes);

// The code page of a charset name ("utf-8", "ISO-8859-1", "windows-1250"; ASCII case and
// surrounding blanks ignored), 0 when unknown. As browsers do, Latin-1 and ASCII are read as
// windows-1252, which holds them.
uint32_t CodePageOfCharset(std::string_view name);

}  // namespace orv::text

#endif  // ORV_TEXT_CODE_PAGE_NUMBERS_H
