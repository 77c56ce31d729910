// The RIFF/AVI header reader that stands in for AVIFile on Linux. It walks the top-level chunks
// to the header list ('hdrl'), reads that list alone (never the frames), and decodes the main
// header, each stream list (stream header and format) and the OpenDML extended header.
#ifndef ORV_PLATFORM_POSIX_AVI_HEADERS_H
#define ORV_PLATFORM_POSIX_AVI_HEADERS_H

#include "platform/avi_info.h"
#include "text/byte_source.h"

namespace orv::platform {

// The header list is a few kilobytes; a larger declared size is read only this far.
constexpr size_t kMaxAviHeaderListBytes = 1 << 20;

// False when `source` holds no RIFF AVI with a main header; `info` is then reset.
bool DecodeAviHeaders(text::ByteSource& source, AviFileInfo& info);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_AVI_HEADERS_H
