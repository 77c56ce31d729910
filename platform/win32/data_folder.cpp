#include "platform/data_folder.h"

#include <windows.h>

#include <shlobj.h>  // after windows.h

namespace orv::platform {

std::string FilterDataFolder(const std::string& filterName) {
  char appData[MAX_PATH] = {};
  if (filterName.empty() ||
      SHGetFolderPathA(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, appData) != S_OK) {
    return std::string();
  }
  const std::string folder = std::string(appData) + "\\" + filterName;
  if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    return std::string();
  }
  return folder;
}

}  // namespace orv::platform
