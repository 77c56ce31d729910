// The content reader for JPEG pictures: the IPTC caption block when the picture has one, else
// its EXIF camera data, else the bare file.
#ifndef ORV_FILESCAN_PICTURE_READER_H
#define ORV_FILESCAN_PICTURE_READER_H

#include <string>

#include "contract/abi.h"
#include "text/byte_source.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadPicture(const std::string& path, const std::string& fileTitle, MediaItem& item);

// The same from the picture's bytes (`path` only names the file for its shell type).
void ReadPictureFrom(text::ByteSource& source, const std::string& path,
                     const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_PICTURE_READER_H
