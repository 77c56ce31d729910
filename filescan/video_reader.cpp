#include "filescan/video_reader.h"

#include "contract/filter.h"
#include "contract/host_string.h"
#include "filescan/audio_format_names.h"
#include "filescan/resource_ids.h"
#include "filescan/title_text.h"
#include "filescan/video_codec_names.h"
#include "platform/resources.h"
#include "platform/shell_type.h"
#include "text/ascii.h"
#include "text/byte_cursor.h"
#include "text/codepage.h"
#include "text/format.h"

namespace orv::filescan {
namespace {

constexpr uint64_t kSecondsPerDay = 24 * 3600;
constexpr uint16_t kWaveFormatExtensible = 0xFFFE;
// WAVEFORMATEX (18 bytes), valid bits or samples per block (2), channel mask (4), then the GUID.
constexpr uint64_t kSubFormatOffset = 24;

std::string HandlerText(uint32_t handler) {
  std::string code;
  for (int i = 0; i < 4; ++i) {
    const char c = static_cast<char>((handler >> (8 * i)) & 0xFF);
    if (c == '\0') break;  // the code is read as a C string
    code += c;
  }
  return code;
}

// The playing time as "%H:%M:%S" of a clock started at midnight.
std::string ClockText(uint64_t seconds) {
  seconds %= kSecondsPerDay;
  return text::FormatText("%02u:%02u:%02u", static_cast<unsigned>(seconds / 3600),
                          static_cast<unsigned>(seconds / 60 % 60),
                          static_cast<unsigned>(seconds % 60));
}

}  // namespace

VideoSummary SummarizeStreams(const platform::AviFileInfo& info, const std::string& unknown) {
  VideoSummary summary;
  summary.videoName = unknown;
  summary.audioName = unknown;
  for (const platform::AviStream& stream : info.streams) {
    if (stream.type == platform::kAviAudioStream) {
      // Tag, channels, samples per second: the start of the wave format.
      text::ByteCursor format(stream.format);
      uint16_t tag = 0, channels = 0;
      uint32_t sampleRate = 0;
      if (!format.U16Le(tag)) continue;  // no format: the stream cannot be described
      format.U16Le(channels), format.U32Le(sampleRate);
      // More than two channels come in the extensible format, whose real tag opens the
      // sub-format GUID after the 22 extra bytes' start; a block too short for it stays unknown.
      uint16_t subTag = 0;
      if (tag == kWaveFormatExtensible && format.Seek(kSubFormatOffset) && format.U16Le(subTag)) {
        tag = subTag;
      }
      if (const char* name = FindAudioFormatName(tag)) {
        summary.audioName = name;
        summary.channels = channels;
        summary.sampleRate = sampleRate;
      } else {
        summary.audioName = unknown;
      }
      ++summary.audioStreams;
    } else if (stream.type == platform::kAviVideoStream) {
      const std::string handler = text::ToUpperAscii(HandlerText(stream.handler));
      summary.handler = text::Windows1252ToUser(handler);
      const char* name = FindVideoCodecName(handler);
      summary.videoName = name ? name : unknown;
    }
  }
  return summary;
}

double FrameRate(const platform::AviFileInfo& info) {
  if (info.rate == 0 || info.scale == 0) return 0.0;
  return static_cast<double>(info.rate) / info.scale;
}

uint64_t PlayingSeconds(const platform::AviFileInfo& info) {
  if (info.rate == 0 || info.scale == 0) return 0;
  // length / (rate / scale), exactly, rounded down.
  return static_cast<uint64_t>(info.length) * info.scale / info.rate;
}

std::string VideoComment(const std::string& format, const platform::AviFileInfo& info,
                         const VideoSummary& summary) {
  return text::FormatResourceText(
      format.c_str(), summary.videoName.c_str(), summary.handler.c_str(),
      static_cast<int>(info.width), static_cast<int>(info.height), FrameRate(info),
      static_cast<int>(info.length), summary.audioName.c_str(), static_cast<int>(summary.channels),
      static_cast<int>(summary.sampleRate / 1000), static_cast<int>(summary.audioStreams));
}

void ReadVideo(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  Assign(&item.title, UnderscoresToSpaces(fileTitle));
  Assign(&item.type, platform::ShellTypeName(path));
  platform::AviFileInfo info;
  if (!platform::ReadAviFileInfo(path, info)) return;
  const VideoSummary summary = SummarizeStreams(info, platform::LoadResourceString(kStringUnknown));
  Assign(&item.comment,
         VideoComment(platform::LoadResourceString(kStringVideoComment), info, summary));
  CopyFixedText(item.length, sizeof item.length, ClockText(PlayingSeconds(info)).substr(0, 9));
}

}  // namespace orv::filescan
