// The AVI reader: the comment from the streams, the playing time, the codec tables.
#include "filescan/video_reader.h"

#include <gtest/gtest.h>

#include "contract/filter.h"
#include "filescan/audio_format_names.h"
#include "filescan/video_codec_names.h"
#include "tests/builders/avi_builder.h"
#include "tests/filescan/scan_fixture.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

std::string ReadAvi(const AviSpec& layout, HostItem& item, const std::string& name = "my_clip") {
  TempFolder folder;
  ReadVideo(folder.Write(name + ".avi", BuildAvi(layout)), name, *item);
  return StringOf(item->comment);
}

TEST(VideoReader, DescribesTheCodecsFrameAndAudioOfTheStreams) {
  AviSpec layout;
  layout.streams = {VideoStream("xvid", 640, 480, 30000, 1001, 900), AudioStream(0x55, 2, 48000)};
  HostItem item;
  EXPECT_EQ(ReadAvi(layout, item),
            "Video: XviD (4CC: XVID)\\nFrame size: 640 x 480\\nFrame rate: 29.97\\n"
            "Total frames: 900\\nAudio: MPEG-Layer3 (MP3) - 2c 48Khz\\nAudio Streams: 1");
  EXPECT_EQ(StringOf(item->title), "my clip");
  EXPECT_FALSE(TextOf(item->type).empty());
  EXPECT_STREQ(item->length, "00:00:30");
}

TEST(VideoReader, PlayingTimeCountsWholeSecondsOnADayClock) {
  AviSpec hour;
  hour.streams = {VideoStream("DIV3", 320, 240, 25, 1, 90000)};
  HostItem item;
  ReadAvi(hour, item);
  EXPECT_STREQ(item->length, "01:00:00");

  AviSpec day;
  day.streams = {VideoStream("DIV3", 320, 240, 25, 1, 25 * 3600 * 25 + 25 * 61)};
  HostItem later;
  ReadAvi(day, later);
  EXPECT_STREQ(later->length, "01:01:01") << "25 hours wrap around";
}

TEST(VideoReader, AudioStreamsCountEvenWhenTheirFormatIsUnknown) {
  AviSpec silent;
  silent.streams = {VideoStream("MJPG", 320, 240, 25, 1, 10)};
  HostItem none;
  EXPECT_NE(ReadAvi(silent, none).find("Audio: Inconnu - 0c 0Khz\\nAudio Streams: 0"),
            std::string::npos);

  AviSpec mixed;
  mixed.streams = {VideoStream("MJPG", 320, 240, 25, 1, 10), AudioStream(0x2000, 6, 48000),
                   AudioStream(0x7777, 1, 8000)};
  HostItem item;
  EXPECT_NE(ReadAvi(mixed, item).find("Audio: Inconnu - 6c 48Khz\\nAudio Streams: 2"),
            std::string::npos)
      << "the unknown stream keeps the channels and rate of the one before";

  AviSpec unknownOnly;
  unknownOnly.streams = {VideoStream("MJPG", 320, 240, 25, 1, 10), AudioStream(0x7777, 2, 8000)};
  HostItem alone;
  EXPECT_NE(ReadAvi(unknownOnly, alone).find("Audio: Inconnu - 0c 0Khz\\nAudio Streams: 1"),
            std::string::npos);
}

TEST(VideoReader, ExtensibleWaveFormatIsReadThroughItsSubFormat) {
  AviSpec surround;
  AviStreamSpec ac3 = AudioStream(0, 6, 48000);
  ac3.format = ExtensibleWaveFormat(0x2000, 6, 48000, 0x3F);
  AviStreamSpec pcm = AudioStream(0, 8, 96000);
  pcm.format = ExtensibleWaveFormat(0x0001, 8, 96000, 0x63F);
  surround.streams = {VideoStream("DX50", 720, 576, 25, 1, 10), pcm, ac3};
  HostItem item;
  EXPECT_NE(ReadAvi(surround, item).find("Audio: AC3 - 6c 48Khz\\nAudio Streams: 2"),
            std::string::npos)
      << StringOf(item->comment);

  // Cut before its GUID, the format stays unknown.
  AviSpec cut;
  AviStreamSpec shortFormat = AudioStream(0, 6, 48000);
  shortFormat.format = ExtensibleWaveFormat(0x2000, 6, 48000, 0x3F).substr(0, 24);
  cut.streams = {VideoStream("DX50", 720, 576, 25, 1, 10), shortFormat};
  HostItem unknown;
  EXPECT_NE(ReadAvi(cut, unknown).find("Audio: Inconnu - 0c 0Khz\\nAudio Streams: 1"),
            std::string::npos);
}

TEST(VideoReader, AHandlerMatchesTheFirstRowWhateverItsCase) {
  AviSpec layout;
  layout.streams = {VideoStream("MJPG", 320, 240, 25, 1, 10)};
  HostItem item;
  EXPECT_EQ(ReadAvi(layout, item).substr(0, 58),
            "Video: Motion JPEG avec tables de Huffman (4CC: MJPG)\\nFra");
  layout.streams = {VideoStream("abcd", 320, 240, 25, 1, 10)};
  HostItem unknown;
  EXPECT_EQ(ReadAvi(layout, unknown).substr(0, 27), "Video: Inconnu (4CC: ABCD)\\");
}

TEST(VideoReader, AFileAviFileCannotOpenKeepsOnlyTitleAndType) {
  TempFolder folder;
  HostItem item;
  CopyFixedText(item->length, sizeof item->length, "untouched");
  ReadVideo(folder.Write("not_a_clip.avi", std::string(4000, 'z')), "not_a_clip", *item);
  EXPECT_EQ(StringOf(item->title), "not a clip");
  EXPECT_FALSE(TextOf(item->type).empty());
  EXPECT_EQ(StringOf(item->comment), "");
  EXPECT_STREQ(item->length, "untouched");
}

TEST(VideoReader, ZeroRateOrScaleGivesNoFrameRateAndNoPlayingTime) {
  AviSpec layout;
  layout.streams = {VideoStream("DIVX", 320, 240, 0, 1001, 500)};
  HostItem item;
  EXPECT_NE(ReadAvi(layout, item).find("Frame rate: 0.00\\nTotal frames: 500"), std::string::npos);
  EXPECT_STREQ(item->length, "00:00:00");
  platform::AviFileInfo info;
  info.rate = 25, info.scale = 0, info.length = 500;
  EXPECT_EQ(FrameRate(info), 0.0);
  EXPECT_EQ(PlayingSeconds(info), 0u);
}

TEST(VideoSummary, LastVideoStreamWinsAndHandlersStopAtAZeroByte) {
  platform::AviFileInfo info;
  platform::AviStream first, second;
  first.type = second.type = platform::kAviVideoStream;
  first.handler = platform::FourCc("DX50");
  second.handler = platform::FourCc("i263");
  info.streams = {first, second};
  VideoSummary summary = SummarizeStreams(info, "Inconnu");
  EXPECT_EQ(summary.videoName, "FFmpeg I263") << "the I263 row comes first";
  EXPECT_EQ(summary.handler, "I263");
  info.streams[1].handler = 0x00005644;  // "DV" then zeros
  summary = SummarizeStreams(info, "Inconnu");
  EXPECT_EQ(summary.handler, "DV");
  EXPECT_EQ(summary.videoName, "Inconnu");
}

TEST(CodecNames, TablesKeepTheirSearchOrder) {
  const VideoCodecName* video = VideoCodecNames();
  EXPECT_STREQ(video[0].key, "_BIT");
  EXPECT_STREQ(video[kVideoCodecCount - 1].key, "ZPEG");
  size_t longest = 0;
  for (size_t i = 0; i < kVideoCodecCount; ++i) {
    EXPECT_EQ(std::string(video[i].key).size(), 4u) << i;
    longest = std::max(longest, std::string(video[i].name).size());
  }
  for (size_t i = 0; i < kAudioFormatCount; ++i)
    longest = std::max(longest, std::string(AudioFormatNames()[i].name).size());
  EXPECT_LE(longest, 49u);
  EXPECT_STREQ(FindVideoCodecName("mjpg"), "Motion JPEG avec tables de Huffman");
  EXPECT_STREQ(FindVideoCodecName("DIB "), "Device Independent Bitmap");
  EXPECT_STREQ(FindVideoCodecName("y8  "), FindVideoCodecName("Y8  "));
  EXPECT_STREQ(FindVideoCodecName("DIVX"), "DivX 4 (OpenDivX)");
  EXPECT_STREQ(FindVideoCodecName("H264"), "ITU H.26n");
  EXPECT_EQ(FindVideoCodecName("DIB"), nullptr);

  EXPECT_EQ(AudioFormatNames()[0].tag, 0x0000);
  EXPECT_EQ(AudioFormatNames()[kAudioFormatCount - 1].tag, 0xFFFF);
  EXPECT_STREQ(FindAudioFormatName(0x0101), "BeCubed");
  EXPECT_STREQ(FindAudioFormatName(0x0162), "WMA 9 Professionel");
  EXPECT_STREQ(FindAudioFormatName(0x6771), "Ogg Vorbis");
  EXPECT_STREQ(FindAudioFormatName(0x2001), "DTS (Dolby)");
  EXPECT_EQ(FindAudioFormatName(0x0009), nullptr);
}

}  // namespace
}  // namespace orv::filescan
