#include "filescan/web_page_reader.h"

#include "contract/host_string.h"

namespace orv::filescan {

void ReadWebPage(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  (void)path;
  Assign(&item.title, fileTitle);
}

}  // namespace orv::filescan
