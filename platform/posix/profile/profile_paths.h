// Where the Linux profile store keeps things.
//
// The root is $ORVHOST_CONFIG_DIR, else $XDG_CONFIG_HOME/orvhost, else $HOME/.config/orvhost.
// A registry key is one file under root/registry, one folder per key path component, lower-cased
// since key names ignore case: "Software\Kelvard\Orvella Premium\filmcard" lives in
// root/registry/software/kelvard/orvella premium/filmcard.reg.
#ifndef ORV_PLATFORM_POSIX_PROFILE_PATHS_H
#define ORV_PLATFORM_POSIX_PROFILE_PATHS_H

#include <string>
#include <string_view>

namespace orv::platform::posix {

// Empty when no root can be found (no variable set at all).
std::string ProfileStoreRoot();

// The file of a registry key path; empty when the path names no key.
std::string RegistryKeyFile(const std::string& root, std::string_view keyPath);

// The file an initialisation file name stands for: an absolute path as it is, anything else
// below the root (where Windows would look in its own folder). Empty when there is none.
std::string IniFilePath(const std::string& root, std::string_view iniFile);

}  // namespace orv::platform::posix

#endif  // ORV_PLATFORM_POSIX_PROFILE_PATHS_H
