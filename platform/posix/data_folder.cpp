#include "platform/data_folder.h"

#include "platform/posix/atomic_file.h"
#include "platform/posix/profile/profile_paths.h"

namespace orv::platform {

std::string FilterDataFolder(const std::string& filterName) {
  const std::string root = posix::ProfileStoreRoot();
  if (root.empty() || filterName.empty()) return std::string();
  const std::string folder = root + "/data/" + filterName;
  return posix::MakeFolders(folder) ? folder : std::string();
}

}  // namespace orv::platform
