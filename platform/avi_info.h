// What the system's AVI interface tells about an AVI file: the file's stream count, frame size,
// timing and length, and per stream its type, handler code and format block.
//
// Windows asks AVIFile. Linux reads the RIFF header list itself (platform/avi_headers.h)
// and reports what AVIFile reports there: the file's rate, scale and length are those of its
// first stream, the frame size the largest frame of its video streams. The header list is the
// only part of the file read.
#ifndef ORV_PLATFORM_AVI_INFO_H
#define ORV_PLATFORM_AVI_INFO_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orv::platform {

// Four-character codes as the file stores them, read as a little-endian word.
constexpr uint32_t FourCc(const char (&code)[5]) {
  return static_cast<uint32_t>(static_cast<unsigned char>(code[0])) |
         static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(code[3])) << 24;
}

constexpr uint32_t kAviVideoStream = FourCc("vids");
constexpr uint32_t kAviAudioStream = FourCc("auds");
// Enough of a format block for a wave format or a bitmap header.
constexpr size_t kAviFormatBytesKept = 256;

struct AviStream {
  uint32_t type = 0;     // kAviVideoStream, kAviAudioStream, ...
  uint32_t handler = 0;  // the codec's four-character code
  std::string format;    // the start of the stream's format block (at most kAviFormatBytesKept)
};

struct AviFileInfo {
  uint32_t streamCount = 0;  // as the file declares it
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t rate = 0;  // rate / scale is the number of frames per second; either may be 0
  uint32_t scale = 0;
  uint32_t length = 0;  // in frames
  // The streams that could be obtained and described, in file order; may be fewer than
  // streamCount.
  std::vector<AviStream> streams;
};

// False when the file is not an AVI the system can open (the info is then left empty).
bool ReadAviFileInfo(const std::string& path, AviFileInfo& info);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_AVI_INFO_H
