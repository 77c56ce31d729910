// The content reader for an office document.
#ifndef ORV_FILESCAN_DOCUMENT_READER_H
#define ORV_FILESCAN_DOCUMENT_READER_H

#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadDocument(const std::string& path, const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_DOCUMENT_READER_H
