// The text form of one registry key in the Linux profile store.
//
// One value per line, "Name=kind:value" with kind "dword" (a signed decimal 32-bit integer) or
// "sz" (a text). Backslash escapes keep every line whole: \\ \n \r \0 in names and texts, and
// \= \; in names. Lines starting with ";" are comments. Lines that do not parse are skipped when
// reading and kept as they are when the key is rewritten, so nothing a person wrote is lost; a
// rewrite keeps the bytes of every line it does not change, line ends included.
#ifndef ORV_PLATFORM_POSIX_REGISTRY_TEXT_H
#define ORV_PLATFORM_POSIX_REGISTRY_TEXT_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace orv::platform::posix {

// The values of a key, in file order; a name seen twice keeps its first value.
std::vector<ProfileValue> ParseRegistryText(std::string_view text);

// `text` with `values` set: an existing value (by case-insensitive name) keeps its line and its
// name's spelling, new values are appended. `header` starts a key file that was empty.
std::string UpdateRegistryText(std::string_view text, const std::vector<ProfileValue>& values,
                               std::string_view header);

// `text` without the lines of the values named (names compared without regard to case).
std::string RemoveRegistryValues(std::string_view text, const std::vector<std::string>& names);

}  // namespace orv::platform::posix

#endif  // ORV_PLATFORM_POSIX_REGISTRY_TEXT_H
