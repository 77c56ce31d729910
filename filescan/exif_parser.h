// The EXIF block of a JPEG application segment: "Exif" and two zero bytes, a TIFF header that
// sets the byte order ("II" or "MM"), then directories of 12-byte entries whose tags fill
// ExifInfo. Every offset is checked against the block, each directory is read at most once, and
// links are followed to a fixed depth, so a block that points back at itself ends.
#ifndef ORV_FILESCAN_EXIF_PARSER_H
#define ORV_FILESCAN_EXIF_PARSER_H

#include <string_view>

#include "filescan/exif_info.h"

namespace orv::filescan {

// `block` is the segment's data after its length field. True when the block was parsed (the
// first directory was read without failure); the failure's text goes to info.lastError.
bool ParseExifBlock(std::string_view block, ExifInfo& info);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_EXIF_PARSER_H
