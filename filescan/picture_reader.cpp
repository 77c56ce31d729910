#include "filescan/picture_reader.h"

#include "contract/host_string.h"

namespace orv::filescan {

void ReadPicture(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  (void)path;
  Assign(&item.title, fileTitle);
}

}  // namespace orv::filescan
