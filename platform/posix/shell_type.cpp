// Stand-in until the desktop's MIME database is consulted: the name built from the extension.
#include "platform/shell_type.h"

namespace orv::platform {

std::string ShellTypeName(const std::string& path) { return FallbackTypeName(path); }

}  // namespace orv::platform
