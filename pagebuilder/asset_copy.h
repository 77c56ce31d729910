// Copies of the files a page refers to: the medium icons and the item pictures. A copy that
// fails is skipped silently; pages are written either way.
#ifndef ORV_PAGEBUILDER_ASSET_COPY_H
#define ORV_PAGEBUILDER_ASSET_COPY_H

#include <string>
#include <string_view>

namespace orv::pagebuilder {

// Copies every "icon*.gif" of `iconFolder` into `outputFolder`, replacing files of the same
// name. Returns how many were copied.
int CopyIcons(const std::string& iconFolder, const std::string& outputFolder);

// Copies picture `image` (a file name without folder) from `pictureFolder` into `outputFolder`.
// A name holding a folder part, or one naming a folder itself ("." and ".."), is not copied:
// it would read or write outside the two folders.
bool CopyPicture(const std::string& pictureFolder, std::string_view image,
                 const std::string& outputFolder);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_ASSET_COPY_H
