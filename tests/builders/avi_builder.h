// Builds small RIFF AVI files for tests: a header list with the main header, one stream list
// per stream (header and format), an optional OpenDML header, and a few bytes of frames.
#ifndef ORV_TESTS_BUILDERS_AVI_BUILDER_H
#define ORV_TESTS_BUILDERS_AVI_BUILDER_H

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/builders/le_bytes.h"

namespace orv::testing {

inline std::string RiffChunk(std::string_view id, const std::string& data) {
  std::string out(id);
  Put32(out, static_cast<uint32_t>(data.size()));
  out += data;
  if (data.size() % 2) out += '\0';
  return out;
}

inline std::string RiffList(std::string_view type, const std::string& contents) {
  return RiffChunk("LIST", std::string(type) + contents);
}

struct AviStreamSpec {
  std::string type = "vids";
  std::string handler = "XVID";  // four characters
  uint32_t scale = 1;
  uint32_t rate = 25;
  uint32_t length = 0;
  uint32_t sampleSize = 0;
  int16_t frame[4] = {0, 0, 0, 0};  // left, top, right, bottom
  std::string format;
  bool withHeader = true;  // false: a stream list without its stream header
};

// A BITMAPINFOHEADER.
inline std::string BitmapFormat(uint32_t width, int32_t height, std::string_view compression) {
  std::string out;
  Put32(out, 40), Put32(out, width), Put32(out, static_cast<uint32_t>(height));
  Put16(out, 1), Put16(out, 24);
  out += std::string(compression).substr(0, 4);
  Put32(out, width * 3 * static_cast<uint32_t>(height < 0 ? -height : height));
  Put32(out, 0), Put32(out, 0), Put32(out, 0), Put32(out, 0);
  return out;
}

// A WAVEFORMATEX with no extra bytes.
inline std::string WaveFormat(uint16_t tag, uint16_t channels, uint32_t samplesPerSecond) {
  std::string out;
  Put16(out, tag), Put16(out, channels), Put32(out, samplesPerSecond);
  Put32(out, samplesPerSecond * channels * 2), Put16(out, channels * 2), Put16(out, 16);
  Put16(out, 0);
  return out;
}

// A WAVEFORMATEXTENSIBLE (tag 0xFFFE), as encoders write for more than two channels: the real
// format tag is the start of its sub-format GUID (tag-0000-0010-8000-00AA00389B71).
inline std::string ExtensibleWaveFormat(uint16_t subTag, uint16_t channels,
                                        uint32_t samplesPerSecond, uint32_t channelMask) {
  std::string out;
  Put16(out, 0xFFFE), Put16(out, channels), Put32(out, samplesPerSecond);
  Put32(out, samplesPerSecond * channels * 2), Put16(out, channels * 2), Put16(out, 16);
  Put16(out, 22), Put16(out, 16), Put32(out, channelMask);
  Put16(out, subTag), Put16(out, 0), Put16(out, 0x10);
  out += std::string("\x80\x00\x00\xAA\x00\x38\x9B\x71", 8);
  return out;
}

inline AviStreamSpec VideoStream(std::string handler, uint32_t width, uint32_t height,
                                 uint32_t rate, uint32_t scale, uint32_t length) {
  AviStreamSpec s;
  s.handler = handler;
  s.rate = rate, s.scale = scale, s.length = length;
  s.frame[2] = static_cast<int16_t>(width), s.frame[3] = static_cast<int16_t>(height);
  std::string compression = handler;
  for (char& c : compression) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  s.format = BitmapFormat(width, static_cast<int32_t>(height), compression);
  return s;
}

inline AviStreamSpec AudioStream(uint16_t tag, uint16_t channels, uint32_t samplesPerSecond,
                                 uint32_t lengthInSamples = 0) {
  AviStreamSpec s;
  s.type = "auds";
  s.handler = std::string("\0\0\0\0", 4);
  s.rate = samplesPerSecond, s.scale = 1, s.length = lengthInSamples;
  s.sampleSize = channels * 2u;
  s.format = WaveFormat(tag, channels, samplesPerSecond);
  return s;
}

struct AviSpec {
  std::vector<AviStreamSpec> streams;
  std::optional<uint32_t> declaredStreams;  // the main header's count; default: streams.size()
  uint32_t microSecPerFrame = 40000;
  uint32_t totalFrames = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  std::optional<uint32_t> openDmlFrames;  // adds LIST odml / dmlh
  bool junkBeforeHeaders = false;
  bool extendedRiff = false;  // a second RIFF 'AVIX' after the first, as OpenDML files have
};

inline std::string StreamHeaderChunk(const AviStreamSpec& s) {
  std::string h;
  h += s.type.substr(0, 4);
  h += (s.handler + std::string(4, '\0')).substr(0, 4);
  Put32(h, 0), Put16(h, 0), Put16(h, 0), Put32(h, 0);  // flags, priority, language, initial
  Put32(h, s.scale), Put32(h, s.rate), Put32(h, 0), Put32(h, s.length);
  Put32(h, 0), Put32(h, 0xFFFFFFFF), Put32(h, s.sampleSize);
  for (int16_t v : s.frame) Put16(h, static_cast<uint16_t>(v));
  return RiffChunk("strh", h);
}

inline std::string BuildAvi(const AviSpec& layout) {
  std::string main;
  Put32(main, layout.microSecPerFrame), Put32(main, 0), Put32(main, 0), Put32(main, 0x10);
  Put32(main, layout.totalFrames), Put32(main, 0);
  Put32(main, layout.declaredStreams.value_or(static_cast<uint32_t>(layout.streams.size())));
  Put32(main, 0), Put32(main, layout.width), Put32(main, layout.height);
  Put32(main, 0), Put32(main, 0), Put32(main, 0), Put32(main, 0);
  std::string headers = RiffChunk("avih", main);
  for (const AviStreamSpec& s : layout.streams) {
    std::string list;
    if (s.withHeader) list += StreamHeaderChunk(s);
    if (!s.format.empty()) list += RiffChunk("strf", s.format);
    headers += RiffList("strl", list);
  }
  if (layout.openDmlFrames) {
    std::string dmlh;
    Put32(dmlh, *layout.openDmlFrames);
    dmlh += std::string(244, '\0');
    headers += RiffList("odml", RiffChunk("dmlh", dmlh));
  }
  std::string body;
  if (layout.junkBeforeHeaders) body += RiffChunk("JUNK", std::string(30, '\0'));
  body += RiffList("hdrl", headers);
  body += RiffList("movi", RiffChunk("00dc", std::string(16, '\x55')));
  std::string out = RiffChunk("RIFF", "AVI " + body);
  if (layout.extendedRiff)
    out += RiffChunk("RIFF", "AVIX" + RiffList("movi", RiffChunk("00dc", std::string(8, 'x'))));
  return out;
}

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_AVI_BUILDER_H
