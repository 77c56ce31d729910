// Initialisation files read and written the way the private-profile functions do: bracketed
// sections, "key=value" lines, sections and keys compared without regard to case, blanks around
// keys and values ignored, a value in matching quotes read without them. Rewriting a file keeps
// its other sections, comments and line ends.
#ifndef ORV_PLATFORM_POSIX_INI_TEXT_H
#define ORV_PLATFORM_POSIX_INI_TEXT_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace orv::platform::posix {

// Every key of the first section of that name, as texts, in file order (first one wins).
std::vector<ProfileValue> ReadIniSection(std::string_view text, std::string_view section);

// `text` with the values set in `section` (integers as decimal text); false, leaving `out`
// alone, when a section or key name cannot be written in an ini file.
bool UpdateIniText(std::string_view text, std::string_view section,
                   const std::vector<ProfileValue>& values, std::string& out);

// `text` without the keys named in `section` (names compared without regard to case).
std::string RemoveIniKeys(std::string_view text, std::string_view section,
                          const std::vector<std::string>& names);

}  // namespace orv::platform::posix

#endif  // ORV_PLATFORM_POSIX_INI_TEXT_H
