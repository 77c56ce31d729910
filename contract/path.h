// Folder of a path and joining, with the platform's separator.
#ifndef ORV_CONTRACT_PATH_H
#define ORV_CONTRACT_PATH_H

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The path cut back to its last separator, which it keeps ("C:\films\a.film" -> "C:\films\").
// Nothing when the path holds no separator: the host always passes full paths, so such a path
// is refused by Open.
std::optional<std::string> FolderOf(std::string_view path);

// The part after the last separator (the whole path when it has none).
std::string FileNameOf(std::string_view path);

// folder + separator + name, without doubling a separator the folder already ends with.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace orv

#endif  // ORV_CONTRACT_PATH_H
