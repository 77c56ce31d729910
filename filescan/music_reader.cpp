#include "filescan/music_reader.h"

#include "contract/host_string.h"

namespace orv::filescan {

void ReadMusic(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  (void)path;
  Assign(&item.title, fileTitle);
}

}  // namespace orv::filescan
