// The names of video codecs by the four-character code of a stream's handler, as the video
// reader shows them.
#ifndef ORV_FILESCAN_VIDEO_CODEC_NAMES_H
#define ORV_FILESCAN_VIDEO_CODEC_NAMES_H

#include <cstddef>
#include <string_view>

namespace orv::filescan {

struct VideoCodecName {
  const char* key;   // four characters, compared without regard to case
  const char* name;  // at most 49 characters
};

constexpr size_t kVideoCodecCount = 358;

// The rows in their search order.
const VideoCodecName* VideoCodecNames();

// The name of the first row whose key equals `handler` without regard to case; null when none.
const char* FindVideoCodecName(std::string_view handler);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_VIDEO_CODEC_NAMES_H
