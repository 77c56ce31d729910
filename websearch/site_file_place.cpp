#include "websearch/site_file_place.h"

#include "platform/files.h"
#include "platform/library.h"
#include "platform/process.h"
#include "platform/user_folder.h"
#include "websearch/site_file.h"

namespace orv::websearch {
namespace {

std::string FileName(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string Folder(const std::string& path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}

// The commented example installed with the filters (share/orvhost/sites), found from the
// library's own folder so that an unpacked tree works wherever it lies.
std::string InstalledExample(const std::string& name) {
  const std::string library = platform::ThisModulePath();
  if (library.empty()) return "";
  return Folder(library) + "/" + ORV_SITES_FROM_FILTERS + "/" + name;
}

}  // namespace

std::string SiteFileFor(const std::string& libraryPath) {
  const std::string beside = SiteFilePath(libraryPath);
  const std::string user = platform::UserConfigFolder();
  if (!user.empty()) {
    const std::string own = user + "/" + FileName(beside);
    if (platform::IsRegularFile(own)) return own;
  }
  return beside;
}

std::string SiteFileToEdit(const std::string& readPath) {
  const std::string name = FileName(readPath);
  const std::string user = platform::UserConfigFolder();
  if (user.empty() || name.empty()) return readPath;
  const std::string own = user + "/" + name;
  if (platform::IsRegularFile(own)) return own;
  std::string source = readPath;
  if (!platform::IsRegularFile(source)) source = InstalledExample(name);
  if (source.empty() || !platform::IsRegularFile(source) || platform::UserConfigFolder(true).empty()) {
    return readPath;
  }
  // Never over a file that appeared meanwhile: the user's edits are worth more than the copy.
  return platform::CopyFile(source, own, false) || platform::IsRegularFile(own) ? own : readPath;
}

}  // namespace orv::websearch
