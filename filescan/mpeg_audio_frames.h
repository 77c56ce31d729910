// The walk of an MPEG audio file's frames: from the end of a leading ID3v2 tag, each frame
// header is searched for (at most 10,001 positions from where the search starts) and the frame
// skipped by its length, summing bit rates and playing time. Headers with a reserved version,
// layer, bit-rate or sample-rate index are not taken for frames.
#ifndef ORV_FILESCAN_MPEG_AUDIO_FRAMES_H
#define ORV_FILESCAN_MPEG_AUDIO_FRAMES_H

#include <cstdint>
#include <optional>

#include "text/buffered_reader.h"

namespace orv::filescan {

struct MpegAudioFacts {
  int version = 0;  // of the first frame: 3 MPEG-1, 2 MPEG-2, 1 MPEG-2.5
  int layer = 0;    // of the first frame: 1, 2 or 3
  int sampleRate = 0;
  int64_t frameCount = 0;
  int64_t bitRateSum = 0;  // kbit/s
  double duration = 0;     // whole seconds
  int averageBitRate = 0;  // kbit/s
};

struct FrameHeader {
  int version = 0, layer = 0, bitRate = 0, sampleRate = 0, padding = 0;
  int Length() const;  // bytes, header included
};

// Nothing when the 32 bits are not a usable frame header.
std::optional<FrameHeader> DecodeFrameHeader(uint32_t bits);

// The size of an ID3v2 tag at the start of `reader` (header, and footer when flagged), 0 when
// there is none.
uint64_t Id3v2TagSize(text::BufferedReader& reader);

// Counts the frames; nothing when no frame was found.
std::optional<MpegAudioFacts> WalkMpegAudioFrames(text::BufferedReader& reader);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_MPEG_AUDIO_FRAMES_H
