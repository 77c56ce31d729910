// The content reader for an AVI video.
#ifndef ORV_FILESCAN_VIDEO_READER_H
#define ORV_FILESCAN_VIDEO_READER_H

#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadVideo(const std::string& path, const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_VIDEO_READER_H
