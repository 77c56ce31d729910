// Builders of MP3 files for the tests: MPEG audio frames of any version, layer, bit rate and
// sample rate, ID3v1.0 and 1.1 tags, and ID3v2 tags of versions 2.2 to 2.4 (text frames in each
// encoding, a cover picture, extended header, footer, unsynchronisation).
#ifndef ORV_TESTS_FILESCAN_MP3_BUILDER_H
#define ORV_TESTS_FILESCAN_MP3_BUILDER_H

#include <cstdint>
#include <string>

#include "tests/filescan/byte_builder.h"

namespace orv::testing {

// version 3 MPEG-1, 2 MPEG-2, 1 MPEG-2.5; layer 1..3; a bit rate of the table for them.
inline uint32_t MpegHeaderBits(int version, int layer, int bitRate, int sampleRate,
                               bool padding = false) {
  static const int kRates[2][3][15] = {
      {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
       {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
      {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
  static const int kSampleRates[4][3] = {
      {0, 0, 0}, {11025, 12000, 8000}, {22050, 24000, 16000}, {44100, 48000, 32000}};
  const uint32_t versionBits = version == 3 ? 3 : version == 2 ? 2 : 0;
  const uint32_t layerBits = 4 - layer;
  uint32_t rateIndex = 0, sampleIndex = 0;
  for (uint32_t i = 0; i < 15; ++i) {
    if (kRates[version == 3 ? 0 : 1][layer - 1][i] == bitRate) rateIndex = i;
  }
  for (uint32_t i = 0; i < 3; ++i) {
    if (kSampleRates[version][i] == sampleRate) sampleIndex = i;
  }
  return 0xFFE00000u | versionBits << 19 | layerBits << 17 | 1u << 16 | rateIndex << 12 |
         sampleIndex << 10 | (padding ? 1u : 0u) << 9;
}

inline int MpegFrameLength(int version, int layer, int bitRate, int sampleRate, bool padding) {
  const int pad = padding ? 1 : 0;
  if (layer == 1) return (12000 * bitRate / sampleRate + pad) * 4;
  if (layer == 3 && version != 3) return 72000 * bitRate / sampleRate + pad;
  return 144000 * bitRate / sampleRate + pad;
}

// One frame: its header and a silent body of the frame's length.
inline std::string MpegFrame(int version, int layer, int bitRate, int sampleRate,
                             bool padding = false) {
  std::string frame = Be32(MpegHeaderBits(version, layer, bitRate, sampleRate, padding));
  frame.resize(MpegFrameLength(version, layer, bitRate, sampleRate, padding), '\0');
  return frame;
}

inline std::string MpegFrames(int count, int version, int layer, int bitRate, int sampleRate) {
  std::string frames;
  for (int i = 0; i < count; ++i) frames += MpegFrame(version, layer, bitRate, sampleRate);
  return frames;
}

inline std::string Padded(const std::string& text, size_t size) {
  std::string field = text.substr(0, size);
  field.resize(size, '\0');
  return field;
}

// An ID3v1.1 tag when track >= 0 (zero byte, then the track), else ID3v1.0 with a comment that
// fills all 30 bytes.
inline std::string Id3v1(const std::string& title, const std::string& artist,
                         const std::string& album, const std::string& year, int track, int genre) {
  std::string tag =
      "TAG" + Padded(title, 30) + Padded(artist, 30) + Padded(album, 30) + Padded(year, 4);
  if (track >= 0) {
    tag += Padded("a comment", 28) + std::string(1, '\0') + static_cast<char>(track);
  } else {
    tag += std::string(30, 'c');
  }
  return tag + static_cast<char>(genre);
}

inline std::string Syncsafe(uint32_t size) {
  return {static_cast<char>((size >> 21) & 0x7F), static_cast<char>((size >> 14) & 0x7F),
          static_cast<char>((size >> 7) & 0x7F), static_cast<char>(size & 0x7F)};
}

// An ID3v2.3 frame.
inline std::string Id3v2Frame(const std::string& id, const std::string& body) {
  return id + Be32(body.size()) + std::string(2, '\0') + body;
}

// A text frame in UTF-16 with its byte-order mark FF FE (ASCII text only).
inline std::string Id3v2Utf16Text(const std::string& id, const std::string& text) {
  std::string body = std::string("\x01\xFF\xFE", 3);
  for (char c : text) body += std::string(1, c) + '\0';
  return Id3v2Frame(id, body + std::string(2, '\0'));
}

// A front cover: picture bytes that begin like a JPEG (FF D8 FF E0 ...).
inline std::string Id3v2Cover(const std::string& jpeg) {
  return Id3v2Frame("APIC", std::string(1, '\0') + "image/jpeg" + std::string(1, '\0') +
                                std::string(1, '\x03') + std::string(1, '\0') + jpeg);
}

// An ID3v2 tag around `frames`, with a footer when asked (version 4 then), plus `padding`
// zero bytes.
inline std::string Id3v2(const std::string& frames, size_t padding = 0, bool footer = false) {
  const std::string body = frames + std::string(padding, '\0');
  const char version = footer ? 4 : 3;
  const char flags = footer ? 0x10 : 0;
  const std::string head =
      std::string("ID3") + version + std::string(1, '\0') + flags + Syncsafe(body.size());
  std::string tag = head + body;
  if (footer)
    tag += std::string("3DI") + version + std::string(1, '\0') + flags + Syncsafe(body.size());
  return tag;
}

// ID3v2 of any version ------------------------------------------------------------------------

// Text of ASCII and Latin-1 bytes as UTF-16, little- or big-endian, without byte order mark.
inline std::string Utf16Units(const std::string& latin1, bool bigEndian) {
  std::string units;
  for (char c : latin1) {
    units += bigEndian ? std::string(1, '\0') + c : std::string(1, c) + '\0';
  }
  return units;
}

// A frame of version 2 (three-letter id, 24-bit size), 3 (32-bit size) or 4 (syncsafe size,
// or the plain size when `plainSize`, as some writers of 2.4 tags do), with its format flags.
inline std::string Id3v2FrameOf(int version, const std::string& id, const std::string& body,
                                uint8_t formatFlags = 0, bool plainSize = false) {
  if (version == 2) return id + Be32(body.size()).substr(1) + body;
  const std::string size =
      version == 4 && !plainSize ? Syncsafe(static_cast<uint32_t>(body.size())) : Be32(body.size());
  return id + size + std::string(1, '\0') + static_cast<char>(formatFlags) + body;
}

// A text frame: the encoding byte (0 Latin-1, 1 UTF-16 with mark, 2 UTF-16BE, 3 UTF-8) and the
// text bytes as given, ended by a zero.
inline std::string Id3v2TextFrame(int version, const std::string& id, char encoding,
                                  const std::string& text) {
  const std::string end = encoding == 1 || encoding == 2 ? std::string(2, '\0') : std::string(1, '\0');
  return Id3v2FrameOf(version, id, std::string(1, encoding) + text + end);
}

// Unsynchronisation: a zero after every 0xFF that a zero or a byte of three top bits follows,
// and after a last 0xFF.
inline std::string Unsynchronise(const std::string& bytes) {
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    out += bytes[i];
    if (bytes[i] != '\xFF') continue;
    if (i + 1 == bytes.size() || bytes[i + 1] == '\0' ||
        (static_cast<uint8_t>(bytes[i + 1]) & 0xE0) == 0xE0) {
      out += '\0';
    }
  }
  return out;
}

// A tag of `version` around `body` (the frames, already unsynchronised when flags say so, and
// any extended header), with a footer when flags hold 0x10.
inline std::string Id3v2TagOf(int version, uint8_t flags, const std::string& body) {
  const std::string head = std::string("ID3") + static_cast<char>(version) + std::string(1, '\0') +
                           static_cast<char>(flags) + Syncsafe(static_cast<uint32_t>(body.size()));
  std::string tag = head + body;
  if (flags & 0x10) tag += "3DI" + head.substr(3);
  return tag;
}

}  // namespace orv::testing

#endif  // ORV_TESTS_FILESCAN_MP3_BUILDER_H
