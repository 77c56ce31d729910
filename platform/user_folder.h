// The user's own configuration folder, where a file overrides the one installed beside a
// library that the user may not be able to write (the web search's site files).
#ifndef ORV_PLATFORM_USER_FOLDER_H
#define ORV_PLATFORM_USER_FOLDER_H

#include <string>

namespace orv::platform {

// Linux: $ORVHOST_CONFIG_DIR, else $XDG_CONFIG_HOME/orvhost, else ~/.config/orvhost; with
// `create` the folder is made when missing. "" when there is none, and always on Windows, where
// such files stay beside the DLL.
std::string UserConfigFolder(bool create = false);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_USER_FOLDER_H
