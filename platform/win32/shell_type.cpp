#include "platform/shell_type.h"

#include <shellapi.h>
#include <windows.h>

namespace orv::platform {

std::string ShellTypeName(const std::string& path) {
  SHFILEINFOA info = {};
  if (!SHGetFileInfoA(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                      SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES)) {
    return FallbackTypeName(path);
  }
  return info.szTypeName;
}

}  // namespace orv::platform
