#include "websearch/picture_store.h"

#include "contract/path.h"
#include "platform/files.h"
#include "text/ascii.h"

namespace orv::websearch {
namespace {

// Past this many pictures of one name the folder is not a picture folder any more: the
// address is kept.
constexpr int kMaxNumberedNames = 1000;

}  // namespace

std::string NumberedFileName(std::string_view name, int number) {
  if (number <= 1) return std::string(name);
  const size_t dot = name.rfind('.');
  const size_t stem = dot == std::string_view::npos ? name.size() : dot;
  return std::string(name.substr(0, stem)) + " (" + std::to_string(number) + ")" +
         std::string(name.substr(stem));
}

std::string PictureFileName(std::string_view title, std::string_view address,
                            std::string_view untitled) {
  std::string_view path = address.substr(0, address.find_first_of("?#"));
  const size_t slash = path.rfind('/');
  const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const size_t dot = last.rfind('.');
  const std::string extension =
      dot == std::string_view::npos ? std::string(".jpg") : std::string(last.substr(dot));
  std::string name = (title.empty() ? std::string(untitled) : std::string(title)) + extension;
  for (char& c : name) {
    if (std::string_view(":*<>|?/\\\"").find(c) != std::string_view::npos) c = ' ';
  }
  return name;
}

std::string StorePicture(const std::string& image, std::string_view title, int copyImage,
                         const std::string& pictureFolder, std::string_view untitled,
                         const PictureDownload& download) {
  if (copyImage != 1 || image.empty() || pictureFolder.empty()) return image;
  if (text::ToLowerAscii(image).find(".jp") == std::string::npos) return image;
  const std::string name = PictureFileName(title, image, untitled);
  for (int number = 1; number <= kMaxNumberedNames; ++number) {
    const std::string free = NumberedFileName(name, number);
    const std::string target = JoinPath(pictureFolder, free);
    if (platform::PathExists(target)) continue;
    return download(image, target) ? free : image;
  }
  return image;
}

}  // namespace orv::websearch
