#include "filescan/video_reader.h"

#include "contract/host_string.h"

namespace orv::filescan {

void ReadVideo(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  (void)path;
  Assign(&item.title, fileTitle);
}

}  // namespace orv::filescan
