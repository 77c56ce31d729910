// The content reader for a web page: the title and description of its head
// (filescan/web_page_head.h), from the first bytes of the file only.
#ifndef ORV_FILESCAN_WEB_PAGE_READER_H
#define ORV_FILESCAN_WEB_PAGE_READER_H

#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension. Returns 0,
// writing nothing, when the file cannot be read (the scan then yields no item for it), else 1.
int ReadWebPage(const std::string& path, const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_WEB_PAGE_READER_H
