#include "platform/shell_type.h"

// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

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
