// Which code page "the user's ANSI code page" is on this platform.
#ifndef ORV_PLATFORM_CODEPAGE_H
#define ORV_PLATFORM_CODEPAGE_H

namespace orv::platform {

// true on Linux (UTF-8), false on Windows (windows-1252 for the French texts).
bool UserCodePageIsUtf8();

}  // namespace orv::platform

#endif  // ORV_PLATFORM_CODEPAGE_H
