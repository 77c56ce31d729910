#include "filescan/mpeg_audio_frames.h"

#include "text/byte_cursor.h"

namespace orv::filescan {
namespace {

constexpr int kSearchPositions = 10001;

// kbit/s by bit-rate index 0..14; index 15 is reserved.
const int kMpeg1Layer1[15] = {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448};
const int kMpeg1Layer2[15] = {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
const int kMpeg1Layer3[15] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
const int kMpeg2Layer1[15] = {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256};
const int kMpeg2Layer23[15] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

const int kSampleRates[4][3] = {
    {0, 0, 0}, {11025, 12000, 8000}, {22050, 24000, 16000}, {44100, 48000, 32000}};

// The position of the next frame header from `from`, within the search limit.
std::optional<uint64_t> FindHeader(text::BufferedReader& reader, uint64_t from,
                                   FrameHeader& header) {
  std::string_view bytes;
  for (int step = 0; step < kSearchPositions; ++step) {
    const uint64_t at = from + static_cast<uint64_t>(step);
    uint32_t bits = 0;
    if (!reader.View(at, 4, bytes) || !text::ReadU32At(bytes, 0, text::ByteOrder::kBig, bits)) {
      return std::nullopt;
    }
    if ((bits & 0xFFE00000u) != 0xFFE00000u) continue;
    if (const std::optional<FrameHeader> found = DecodeFrameHeader(bits)) {
      header = *found;
      return at;
    }
  }
  return std::nullopt;
}

}  // namespace

int FrameHeader::Length() const {
  if (sampleRate == 0) return 0;
  if (layer == 1) return (12000 * bitRate / sampleRate + padding) * 4;
  if (layer == 3 && version != 3) return 72000 * bitRate / sampleRate + padding;
  return 144000 * bitRate / sampleRate + padding;
}

std::optional<FrameHeader> DecodeFrameHeader(uint32_t bits) {
  if ((bits & 0xFFE00000u) != 0xFFE00000u) return std::nullopt;
  static const int kVersions[4] = {1, 0, 2, 3};
  static const int kLayers[4] = {0, 3, 2, 1};
  FrameHeader header;
  header.version = kVersions[(bits >> 19) & 3];
  header.layer = kLayers[(bits >> 17) & 3];
  const int bitRateIndex = static_cast<int>((bits >> 12) & 15);
  const int sampleRateIndex = static_cast<int>((bits >> 10) & 3);
  // Reserved values: such bytes are no frame header (an ID3v2 frame, a cover picture).
  if (header.version == 0 || header.layer == 0 || bitRateIndex == 15 || sampleRateIndex == 3) {
    return std::nullopt;
  }
  const int* rates = nullptr;
  if (header.version == 3) {
    rates = header.layer == 1 ? kMpeg1Layer1 : header.layer == 2 ? kMpeg1Layer2 : kMpeg1Layer3;
  } else {
    rates = header.layer == 1 ? kMpeg2Layer1 : kMpeg2Layer23;
  }
  header.bitRate = rates[bitRateIndex];
  header.sampleRate = kSampleRates[header.version][sampleRateIndex];
  header.padding = static_cast<int>((bits >> 9) & 1);
  return header;
}

uint64_t Id3v2TagSize(text::BufferedReader& reader) {
  std::string_view bytes;
  if (!reader.View(0, 10, bytes) || bytes.substr(0, 3) != "ID3") return 0;
  const uint8_t major = static_cast<uint8_t>(bytes[3]);
  const uint8_t flags = static_cast<uint8_t>(bytes[5]);
  if (major == 0xFF || static_cast<uint8_t>(bytes[4]) == 0xFF) return 0;
  uint64_t size = 0;
  for (int i = 6; i < 10; ++i) {
    const uint8_t b = static_cast<uint8_t>(bytes[i]);
    if (b & 0x80) return 0;  // sizes are kept in 7 bits a byte
    size = (size << 7) | b;
  }
  return 10 + size + ((flags & 0x10) ? 10 : 0);
}

std::optional<MpegAudioFacts> WalkMpegAudioFrames(text::BufferedReader& reader) {
  MpegAudioFacts facts;
  uint64_t from = Id3v2TagSize(reader);
  FrameHeader header;
  int64_t nanoseconds = 0;
  // Every frame moves the search on by at least its 4 header bytes.
  while (const std::optional<uint64_t> at = FindHeader(reader, from, header)) {
    if (facts.frameCount == 0) {
      facts.version = header.version;
      facts.layer = header.layer;
    }
    if (header.bitRate > 0) facts.bitRateSum += header.bitRate;
    facts.sampleRate = header.sampleRate;
    const int length = header.Length();
    ++facts.frameCount;
    // Whole nanoseconds add up exactly (a frame lasts length x 8 / bit rate milliseconds),
    // so a sum that is a whole number of seconds is not cut one second short.
    if (header.bitRate != 0) nanoseconds += int64_t{length} * 8000000 / header.bitRate;
    from = *at + 4 + (length > 4 ? static_cast<uint64_t>(length - 4) : 0);
  }
  if (facts.frameCount == 0) return std::nullopt;
  facts.averageBitRate = static_cast<int>(facts.bitRateSum / facts.frameCount);
  facts.duration = static_cast<double>(nanoseconds / 1000000000);
  return facts;
}

}  // namespace orv::filescan
