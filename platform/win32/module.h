// The module (filter DLL, test program or orvhost) that this copy of the platform code is linked
// into. Every filter links its own static copy, so resources and dialog templates must come from
// the module that holds the calling code, never from the process's main program.
#ifndef ORV_PLATFORM_WIN32_MODULE_H
#define ORV_PLATFORM_WIN32_MODULE_H

#include <windows.h>

#include <string>
#include <string_view>

namespace orv::platform::win32 {

HMODULE ThisModule();

// Conversions between the user's ANSI code page and UTF-16, for the wide Windows calls.
std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

}  // namespace orv::platform::win32

#endif  // ORV_PLATFORM_WIN32_MODULE_H
