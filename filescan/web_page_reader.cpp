#include "filescan/web_page_reader.h"

#include <algorithm>

#include "contract/host_string.h"
#include "filescan/web_page_head.h"
#include "platform/file_source.h"

namespace orv::filescan {

int ReadWebPage(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  platform::FileSource file;
  std::string page;
  if (!file.Open(path) ||
      !file.ReadAt(0, static_cast<size_t>(std::min<uint64_t>(file.Size(), kMaxWebPageBytes)),
                   page)) {
    return 0;
  }
  const WebPageHead head = DecodeWebPageHead(page);
  Assign(&item.title, head.title.empty() ? fileTitle : head.title);
  if (head.hasDescription) Assign(&item.comment, head.description);
  return 1;
}

}  // namespace orv::filescan
