// The poster that goes with a card: a JPEG file beside it whose name is the card's with ".film"
// replaced by ".jpg", copied into the host's video picture folder.
#ifndef ORV_FILMCARD_POSTER_COPY_H
#define ORV_FILMCARD_POSTER_COPY_H

#include <optional>
#include <string>
#include <string_view>

namespace orv::filmcard {

// The card's file name with every occurrence of piece 1 of `rename` replaced by piece 2 (a
// "|"-separated pair such as ".film|.jpg"), case-sensitive. Nothing when no occurrence was
// replaced: "X.FILM" has no poster name.
std::optional<std::string> PosterNameOf(std::string_view cardName, std::string_view rename);

// Copies the poster `name` from `cardFolder` into `pictureFolder`, overwriting a picture of that
// name. True when the picture folder holds the poster afterwards, which is when the item may
// name it. An empty picture folder (the host gave none) copies nothing.
bool CopyPoster(const std::string& cardFolder, const std::string& pictureFolder,
                const std::string& name);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_POSTER_COPY_H
