// Our own RIFF/AVI header reader. It walks the top-level chunks to the header list ('hdrl'),
// reads that list alone (never the frames), and decodes the main header, each stream list
// (stream header and format) and the OpenDML extended header.
//
// Linux reports what it finds as AVIFile would. Windows reads the headers with it too before
// handing a file to AVIFile: Wine's AVIFile stops the process on a file whose stream lists do
// not match the main header's count, or whose stream has a rate or scale of 0, so such files
// are described from their headers instead.
#ifndef ORV_PLATFORM_AVI_HEADERS_H
#define ORV_PLATFORM_AVI_HEADERS_H

#include "platform/avi_info.h"
#include "text/byte_source.h"

namespace orv::platform {

// The header list is a few kilobytes; a larger declared size is read only this far.
constexpr size_t kMaxAviHeaderListBytes = 1 << 20;

// What the system's interface may stumble on.
struct AviHeaderShape {
  uint32_t streamLists = 0;  // stream lists in the header list, whatever the declared count
  bool zeroTiming = false;   // a stream header with a rate or a scale of 0
  bool Regular(const AviFileInfo& info) const {
    return streamLists == info.streamCount && info.streams.size() == streamLists && !zeroTiming;
  }
};

// False when `source` holds no RIFF AVI with a main header; `info` is then reset.
bool DecodeAviHeaders(text::ByteSource& source, AviFileInfo& info, AviHeaderShape* shape = nullptr);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_AVI_HEADERS_H
