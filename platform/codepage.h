// Which code page "the user's ANSI code page" is on this platform, and the system's converter
// for the code pages text/ does not convert itself.
#ifndef ORV_PLATFORM_CODEPAGE_H
#define ORV_PLATFORM_CODEPAGE_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::platform {

// true on Linux (UTF-8), false on Windows (windows-1252 for the French texts).
bool UserCodePageIsUtf8();

// Text in Windows code page `codePage` to UTF-8 through the system (MultiByteToWideChar on
// Windows, iconv on Linux). False when the system knows no such code page or the text is not
// valid in it.
bool SystemCodePageToUtf8(uint32_t codePage, std::string_view bytes, std::string& utf8);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_CODEPAGE_H
