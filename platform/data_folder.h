// The folder a filter keeps its own data in (the discfetch entry cache): beside the profile
// store on Linux, in the user's application data on Windows. One folder per filter name.
#ifndef ORV_PLATFORM_DATA_FOLDER_H
#define ORV_PLATFORM_DATA_FOLDER_H

#include <string>

namespace orv::platform {

// The folder, made when missing; empty when there is none and none can be made.
std::string FilterDataFolder(const std::string& filterName);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_DATA_FOLDER_H
