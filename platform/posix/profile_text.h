// Small text rules shared by the profile store's file formats.
#ifndef ORV_PLATFORM_POSIX_PROFILE_TEXT_H
#define ORV_PLATFORM_POSIX_PROFILE_TEXT_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::platform::posix {

// Value names, key names and sections compare like the registry's: ASCII case ignored.
bool SameName(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

// The integer an option stored as text reads as: the decimal integer at its start, after
// blanks, with an optional sign; 0 when there is none. Out-of-range values are clamped.
int32_t LeadingInteger(std::string_view text);

std::string_view TrimBlanks(std::string_view text);

}  // namespace orv::platform::posix

#endif  // ORV_PLATFORM_POSIX_PROFILE_TEXT_H
