// The cover picture of an accepted item: downloaded into the host's picture folder, or kept as
// its web address, as the option CopyImage says (0 keep the address, 1 download a JPEG,
// 2 keep the address).
#ifndef ORV_WEBSEARCH_PICTURE_STORE_H
#define ORV_WEBSEARCH_PICTURE_STORE_H

#include <functional>
#include <string>
#include <string_view>

namespace orv::websearch {

// The picture's file name: the title (or "Sans titre" when there is none) and the extension of
// the address's last path segment (".jpg" when it has none), with the characters file names
// cannot hold (: * < > | ? / \ ") as blanks.
std::string PictureFileName(std::string_view title, std::string_view address,
                            std::string_view untitled);

// The name `number` of a picture when earlier ones are taken: "Alien.jpg", "Alien (2).jpg" ...
std::string NumberedFileName(std::string_view name, int number);

// Downloads `address` to `target`, a new file; true when the file is there, whole. A failed
// download leaves no file behind, and one that finds `target` taken leaves it alone.
using PictureDownload = std::function<bool(const std::string& address, const std::string& target)>;

// The item's new `image` value: the file name when the picture was downloaded into
// `pictureFolder`, else the address as it was (a failed download never names a missing file).
// A picture never replaces a file: when the name is taken the first free numbered name is used.
std::string StorePicture(const std::string& image, std::string_view title, int copyImage,
                         const std::string& pictureFolder, std::string_view untitled,
                         const PictureDownload& download);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_PICTURE_STORE_H
