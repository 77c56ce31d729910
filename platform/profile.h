// The profile: where filters keep their options.
//
// On Windows a location is a registry key under HKEY_CURRENT_USER
// ("Software\<key>\<profile>\<section>") with REG_DWORD integers and REG_SZ texts, or a
// section of an initialisation file read and written through the private-profile functions.
// On Linux a file-backed store with the same semantics stands in (one file per key path or ini
// file, under $ORVHOST_CONFIG_DIR, else $XDG_CONFIG_HOME/orvhost, else ~/.config/orvhost;
// writes are atomic).
//
// Value names are case-insensitive. Reads are lenient across kinds: an integer stored as text is
// parsed (its leading decimal integer), a text stored as an integer reads as its decimal text.
// A missing store, key, section or value is not an error: the read gives nothing.
#ifndef ORV_PLATFORM_PROFILE_H
#define ORV_PLATFORM_PROFILE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

struct ProfileLocation {
  // Registry: keyPath is the path under HKEY_CURRENT_USER, e.g. "Software\Kelvard\Orvella
  // Premium\filmcard" (always written with backslashes). Initialisation file: iniFile names the
  // file (a bare name lives in the store's root folder, as Windows keeps bare names in its own
  // folder) and section is the bracketed section.
  bool useIniFile = false;
  std::string keyPath;
  std::string iniFile;
  std::string section;
};

// The location a filter's options live in, from the two texts the host passes to Configure.
// A null registry key selects the initialisation file named by the profile name.
ProfileLocation OptionLocation(const char* profileName, const char* registryKey,
                               std::string_view section);

struct ProfileValue {
  std::string name;
  bool isInteger = false;
  int32_t integer = 0;
  std::string text;  // for text values
};

std::optional<int32_t> ReadProfileInt(const ProfileLocation& where, std::string_view name);
std::optional<std::string> ReadProfileText(const ProfileLocation& where, std::string_view name);

// Writes all values at once (on Linux one atomic replacement of the store file). Returns false
// when the store could not be written.
bool WriteProfileValues(const ProfileLocation& where, const std::vector<ProfileValue>& values);

// Removes the values named, where they exist (names compared without regard to case). A missing
// store or value is not an error. Returns false when the store could not be written.
bool DeleteProfileValues(const ProfileLocation& where, const std::vector<std::string>& names);

// Every value of the location, in store order (for orvhost configure --show).
std::vector<ProfileValue> ListProfileValues(const ProfileLocation& where);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_PROFILE_H
