// The content reader for an AVI video: the title and type from the file, then a comment that
// names the video and audio codecs and gives the frame size, frame rate, frame count and audio
// format, and the playing time, from the system's AVI interface (platform/avi_info.h).
#ifndef ORV_FILESCAN_VIDEO_READER_H
#define ORV_FILESCAN_VIDEO_READER_H

#include <cstdint>
#include <string>

#include "contract/abi.h"
#include "platform/avi_info.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadVideo(const std::string& path, const std::string& fileTitle, MediaItem& item);

// What the streams say: the last video stream's codec, the last known audio format.
struct VideoSummary {
  std::string videoName;  // "Inconnu" (string 462) when no row names the handler
  std::string handler;    // the four characters of the handler, upper-cased
  std::string audioName;
  uint32_t channels = 0;
  uint32_t sampleRate = 0;
  uint32_t audioStreams = 0;
};

VideoSummary SummarizeStreams(const platform::AviFileInfo& info, const std::string& unknown);

// Frames per second; 0 when the rate or the scale is 0.
double FrameRate(const platform::AviFileInfo& info);
// The playing time in whole seconds; 0 when the frame rate is 0.
uint64_t PlayingSeconds(const platform::AviFileInfo& info);

// The comment of string 120 for these facts.
std::string VideoComment(const std::string& format, const platform::AviFileInfo& info,
                         const VideoSummary& summary);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_VIDEO_READER_H
