// The walk of a JPEG file's marker segments up to the start of the scan, reading only the
// segment headers and the segments it uses (the EXIF block, the first comment, the frame
// header), never the image data. It fills ExifInfo as it goes.
#ifndef ORV_FILESCAN_JPEG_SEGMENTS_H
#define ORV_FILESCAN_JPEG_SEGMENTS_H

#include "filescan/exif_info.h"
#include "text/byte_source.h"

namespace orv::filescan {

// True when the walk reached the start of the scan. Whatever the walk's end, info.isExif tells
// whether an EXIF block was parsed on the way.
bool WalkJpegSegments(text::ByteSource& source, ExifInfo& info);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_JPEG_SEGMENTS_H
