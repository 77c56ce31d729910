#include "contract/path.h"

#include "platform/files.h"

namespace orv {

std::optional<std::string> FolderOf(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (platform::IsPathSeparator(path[i - 1])) return std::string(path.substr(0, i));
  }
  return std::nullopt;
}

std::string FileNameOf(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (platform::IsPathSeparator(path[i - 1])) return std::string(path.substr(i));
  }
  return std::string(path);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!joined.empty() && !platform::IsPathSeparator(joined.back())) {
    joined += platform::kPathSeparator;
  }
  joined += name;
  return joined;
}

}  // namespace orv
