#include "filmcard/poster_copy.h"

#include "contract/list_piece.h"
#include "contract/path.h"
#include "platform/files.h"

namespace orv::filmcard {

std::optional<std::string> PosterNameOf(std::string_view cardName, std::string_view rename) {
  const std::string from = GetListPiece(1, rename, "", "|", EmptyPiece::kEmptyText);
  const std::string to = GetListPiece(2, rename, "", "|", EmptyPiece::kEmptyText);
  if (from.empty()) return std::nullopt;
  std::string name;
  bool replaced = false;
  size_t start = 0;
  for (size_t at = cardName.find(from); at != std::string_view::npos;
       at = cardName.find(from, start)) {
    name.append(cardName.substr(start, at - start));
    name += to;
    start = at + from.size();
    replaced = true;
  }
  if (!replaced) return std::nullopt;
  name.append(cardName.substr(start));
  return name;
}

bool CopyPoster(const std::string& cardFolder, const std::string& pictureFolder,
                const std::string& name) {
  // Without a picture folder the copy would land wherever the host's working folder is.
  if (pictureFolder.empty() || name.empty()) return false;
  const std::string source = JoinPath(cardFolder, name);
  const std::string target = JoinPath(pictureFolder, name);
  // Copying a file onto itself (cards kept in the picture folder) could only damage it, and
  // reading a named pipe would wait for a writer for ever.
  if (source != target && platform::IsRegularFile(source)) {
    platform::CopyFile(source, target, /*overwrite=*/true);
  }
  return platform::IsRegularFile(target);
}

}  // namespace orv::filmcard
