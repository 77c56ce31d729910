#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "host/collection/collection.h"

namespace orv::host {

namespace fs = std::filesystem;

std::string DefaultCollectionPath() {
  fs::path base;
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
    base = data;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = fs::path(home) / ".local" / "share";
  } else {
    base = ".";
  }
  return (base / "orvhost" / "collection.db").u8string();
}

bool CheckCollectionPath(const std::string& path, OpenMode mode, bool& exists,
                         std::string& error) {
  const fs::path file = fs::u8path(path);
  std::error_code code;
  exists = fs::exists(file, code);
  if (exists && !fs::is_regular_file(file, code)) {
    error = path + " is not a file";
    return false;
  }
  if (!exists && file.has_parent_path() && !fs::is_directory(file.parent_path(), code)) {
    error = "no folder " + file.parent_path().u8string() + " for the collection " + path +
            " (nothing was created)";
    return false;
  }
  if (!exists && mode != OpenMode::kCreateWhenMissing) {
    error = "no collection at " + path;
    return false;
  }
  return true;
}

std::string PictureFolder(const CollectionSettings& settings, const std::string& databasePath,
                          int category) {
  if (category < 1 || category > kCategoryCount) return "";
  std::error_code ignored;
  if (!settings.pictureDirs[category].empty()) {
    return fs::absolute(fs::u8path(settings.pictureDirs[category]), ignored)
        .lexically_normal()
        .u8string();
  }
  const fs::path database = fs::absolute(fs::u8path(databasePath), ignored).lexically_normal();
  return (database.parent_path() / "pictures" / CategoryName(category)).u8string();
}

}  // namespace orv::host
