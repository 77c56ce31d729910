#include "pagebuilder/asset_copy.h"

#include "contract/path.h"
#include "platform/files.h"

namespace orv::pagebuilder {
namespace {

// Enough for any icon folder; keeps a strange folder from holding the run up.
constexpr int kMaxIcons = 10000;

std::string WithSeparator(const std::string& folder) { return JoinPath(folder, ""); }

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (platform::IsPathSeparator(c) || c == '\0') return false;
  }
  return true;
}

}  // namespace

int CopyIcons(const std::string& iconFolder, const std::string& outputFolder) {
  if (iconFolder.empty()) return 0;
  // Copying a folder onto itself would gain nothing and risk the files.
  if (WithSeparator(iconFolder) == WithSeparator(outputFolder)) return 0;
  platform::FileEnumeration icons;
  std::string name;
  int copied = 0;
  int seen = 0;
  for (bool more = icons.Start(JoinPath(iconFolder, "icon*.gif"), name); more && seen < kMaxIcons;
       more = icons.Next(name), ++seen) {
    if (!IsPlainFileName(name)) continue;
    if (platform::CopyFile(JoinPath(iconFolder, name), JoinPath(outputFolder, name), true)) {
      ++copied;
    }
  }
  icons.End();
  return copied;
}

bool CopyPicture(const std::string& pictureFolder, std::string_view image,
                 const std::string& outputFolder) {
  if (pictureFolder.empty() || !IsPlainFileName(image)) return false;
  if (WithSeparator(pictureFolder) == WithSeparator(outputFolder)) return false;
  const std::string name(image);
  return platform::CopyFile(JoinPath(pictureFolder, name), JoinPath(outputFolder, name), true);
}

}  // namespace orv::pagebuilder
