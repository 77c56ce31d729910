// The content reader for a JPEG picture: its IPTC caption block, else its EXIF camera data, else
// the bare file.
#ifndef ORV_FILESCAN_PICTURE_READER_H
#define ORV_FILESCAN_PICTURE_READER_H

#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadPicture(const std::string& path, const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_PICTURE_READER_H
