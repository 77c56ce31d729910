#include "filescan/jpeg_segments.h"

#include <string>

#include "filescan/exif_parser.h"
#include "text/buffered_reader.h"

namespace orv::filescan {
namespace {

constexpr int kMaxKeptSegments = 20;
constexpr int kMaxPadding = 7;
constexpr size_t kMaxCommentChars = 998;

bool IsFrameHeader(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Tab, line feed and printable bytes are kept, CR before LF dropped, anything else shown as '?'.
std::string CommentText(std::string_view data) {
  std::string text;
  for (size_t i = 0; i < data.size() && text.size() < kMaxCommentChars; ++i) {
    const unsigned char c = static_cast<unsigned char>(data[i]);
    if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') continue;
    text += (c == '\t' || c == '\n' || c >= 0x20) ? static_cast<char>(c) : '?';
  }
  return text;
}

}  // namespace

bool WalkJpegSegments(text::ByteSource& source, ExifInfo& info) {
  text::BufferedReader reader(source, 16 * 1024);
  std::string_view bytes;
  if (!reader.View(0, 2, bytes) || bytes != "\xFF\xD8") return false;
  uint64_t at = 2;
  int kept = 0;
  bool commentSeen = false;
  while (kept < kMaxKeptSegments) {
    // Markers may be preceded by fill bytes 0xFF.
    uint8_t marker = 0;
    int padding = 0;
    for (;;) {
      if (!reader.View(at, 1, bytes)) return false;
      ++at;
      const uint8_t byte = static_cast<uint8_t>(bytes[0]);
      if (byte != 0xFF) {
        marker = byte;
        break;
      }
      if (++padding >= kMaxPadding) return false;
    }
    if (!reader.View(at, 2, bytes)) {
      info.lastError = "Premature end of file?";
      return false;
    }
    const uint16_t length = static_cast<uint16_t>((static_cast<uint8_t>(bytes[0]) << 8) |
                                                  static_cast<uint8_t>(bytes[1]));
    if (length < 2) {
      info.lastError = "invalid marker";
      return false;
    }
    const uint64_t dataAt = at + 2;
    const size_t dataLength = length - 2u;
    if (reader.Size() < at || reader.Size() - at < length) {
      info.lastError = "Premature end of file?";
      return false;
    }
    at += length;
    if (marker == 0xDA) return true;   // start of scan: the image data follows
    if (marker == 0xD9) return false;  // end of image before any scan
    if (marker == 0xE1) {
      if (!reader.View(dataAt, dataLength, bytes)) return false;
      if (bytes.substr(0, 4) == "Exif") {
        info.isExif = ParseExifBlock(bytes, info);
        ++kept;
      }
    } else if (marker == 0xFE) {
      if (!commentSeen) {
        if (!reader.View(dataAt, dataLength, bytes)) return false;
        info.comments = CommentText(bytes);
        commentSeen = true;
        ++kept;
      }
    } else if (marker == 0xE0) {
      // dropped
    } else if (IsFrameHeader(marker)) {
      if (!reader.View(dataAt, dataLength, bytes)) return false;
      if (bytes.size() >= 6) {
        info.height = (static_cast<uint8_t>(bytes[1]) << 8) | static_cast<uint8_t>(bytes[2]);
        info.width = (static_cast<uint8_t>(bytes[3]) << 8) | static_cast<uint8_t>(bytes[4]);
        info.isColor = bytes[5] == 3 ? 1 : 0;
      }
      info.process = marker;
      ++kept;
    } else {
      ++kept;
    }
  }
  info.lastError = "Too many sections in jpg file";
  return false;
}

}  // namespace orv::filescan
