// The names of audio formats by the wave format tag of a stream, as the video reader shows
// them.
#ifndef ORV_FILESCAN_AUDIO_FORMAT_NAMES_H
#define ORV_FILESCAN_AUDIO_FORMAT_NAMES_H

#include <cstddef>
#include <cstdint>

namespace orv::filescan {

struct AudioFormatName {
  uint16_t tag;
  const char* name;  // at most 49 characters
};

constexpr size_t kAudioFormatCount = 153;

// The rows in their search order.
const AudioFormatName* AudioFormatNames();

// The name of the first row of `tag`; null when the table has none.
const char* FindAudioFormatName(uint16_t tag);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_AUDIO_FORMAT_NAMES_H
