#include "platform/files.h"
#include "platform/shell_type.h"
#include "text/ascii.h"

namespace orv::platform {

std::string FallbackTypeName(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsPathSeparator(path[i])) start = i + 1;
  }
  const std::string_view name = path.substr(start);
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot + 1 == name.size()) return "Fichier";
  return "Fichier " + text::ToUpperAscii(name.substr(dot + 1));
}

}  // namespace orv::platform
