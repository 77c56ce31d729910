#include "platform/avi_headers.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/builders/avi_builder.h"
#include "tests/builders/counting_source.h"
#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

using orv::testing::AudioStream;
using orv::testing::AviSpec;
using orv::testing::BuildAvi;
using orv::testing::VideoStream;

AviFileInfo Decode(const std::string& bytes, bool expectOk = true) {
  text::MemorySource source(bytes);
  AviFileInfo info;
  EXPECT_EQ(DecodeAviHeaders(source, info), expectOk);
  return info;
}

uint16_t FormatTag(const AviStream& stream) {
  return static_cast<uint16_t>(static_cast<unsigned char>(stream.format[0]) |
                               static_cast<unsigned char>(stream.format[1]) << 8);
}

TEST(AviHeaders, ReportsTheFirstStreamsTimingAndTheVideoFrameSize) {
  AviSpec layout;
  layout.streams = {VideoStream("xvid", 640, 480, 30000, 1001, 900),
                  AudioStream(0x55, 2, 48000, 1440000)};
  // The main header's own figures are not what the system reports.
  layout.width = 999, layout.height = 777, layout.totalFrames = 12, layout.microSecPerFrame = 1;
  const AviFileInfo info = Decode(BuildAvi(layout));
  EXPECT_EQ(info.streamCount, 2u);
  EXPECT_EQ(info.width, 640u);
  EXPECT_EQ(info.height, 480u);
  EXPECT_EQ(info.rate, 30000u);
  EXPECT_EQ(info.scale, 1001u);
  EXPECT_EQ(info.length, 900u);
  ASSERT_EQ(info.streams.size(), 2u);
  EXPECT_EQ(info.streams[0].type, kAviVideoStream);
  EXPECT_EQ(info.streams[0].handler, FourCc("xvid"));
  EXPECT_EQ(info.streams[1].type, kAviAudioStream);
  ASSERT_GE(info.streams[1].format.size(), 14u);
  EXPECT_EQ(FormatTag(info.streams[1]), 0x55);
}

TEST(AviHeaders, TakesTheFrameSizeFromTheBitmapWhenTheFrameRectangleIsEmpty) {
  AviSpec layout;
  auto video = VideoStream("MJPG", 320, 240, 25, 1, 10);
  video.frame[2] = video.frame[3] = 0;
  video.format = orv::testing::BitmapFormat(352, -288, "MJPG");  // top-down bitmap
  layout.streams = {video};
  const AviFileInfo info = Decode(BuildAvi(layout));
  EXPECT_EQ(info.width, 352u);
  EXPECT_EQ(info.height, 288u);

  AviSpec audioOnly;
  audioOnly.streams = {AudioStream(1, 1, 22050, 44100)};
  audioOnly.width = 320;
  const AviFileInfo sound = Decode(BuildAvi(audioOnly));
  EXPECT_EQ(sound.width, 0u) << "no video stream, no frame size";
  EXPECT_EQ(sound.rate, 22050u);
  EXPECT_EQ(sound.length, 44100u);
}

TEST(AviHeaders, OpenDmlFilesReportAllTheirFrames) {
  AviSpec layout;
  layout.streams = {VideoStream("DX50", 720, 576, 25, 1, 1000)};
  layout.totalFrames = 1000;  // the first RIFF's frames only
  layout.openDmlFrames = 250000;
  layout.extendedRiff = true;
  EXPECT_EQ(Decode(BuildAvi(layout)).length, 250000u);
}

TEST(AviHeaders, ZeroRateOrScaleIsReportedAsItStands) {
  AviSpec layout;
  layout.streams = {VideoStream("DIVX", 320, 240, 0, 0, 50)};
  const AviFileInfo info = Decode(BuildAvi(layout));
  EXPECT_EQ(info.rate, 0u);
  EXPECT_EQ(info.scale, 0u);
}

TEST(AviHeaders, StreamsThatCannotBeDescribedAreLeftOut) {
  AviSpec layout;
  auto headerless = AudioStream(0x2000, 6, 48000);
  headerless.withHeader = false;
  layout.streams = {VideoStream("XVID", 320, 240, 25, 1, 10), headerless, AudioStream(1, 2, 44100)};
  layout.declaredStreams = 5;  // more than the lists that follow
  AviFileInfo info = Decode(BuildAvi(layout));
  EXPECT_EQ(info.streamCount, 5u);
  ASSERT_EQ(info.streams.size(), 2u);
  EXPECT_EQ(FormatTag(info.streams[1]), 1);

  layout.declaredStreams = 1;  // lists past the declared count are never reached
  info = Decode(BuildAvi(layout));
  EXPECT_EQ(info.streams.size(), 1u);
}

TEST(AviHeaders, TellsFilesTheSystemMayStumbleOn) {
  AviSpec layout;
  layout.streams = {VideoStream("XVID", 320, 240, 25, 1, 10), AudioStream(1, 2, 44100)};
  const auto shape = [](const std::string& bytes) {
    text::MemorySource source(bytes);
    AviFileInfo info;
    AviHeaderShape shape;
    EXPECT_TRUE(DecodeAviHeaders(source, info, &shape));
    return shape.Regular(info);
  };
  EXPECT_TRUE(shape(BuildAvi(layout)));
  layout.declaredStreams = 1;
  EXPECT_FALSE(shape(BuildAvi(layout))) << "fewer declared than listed";
  layout.declaredStreams = 3;
  EXPECT_FALSE(shape(BuildAvi(layout))) << "more declared than listed";
  layout.declaredStreams.reset();
  layout.streams[1].scale = 0;
  EXPECT_FALSE(shape(BuildAvi(layout))) << "a stream without timing";
}

TEST(AviHeaders, TruncatedFilesKeepWhatIsWhole) {
  AviSpec layout;
  layout.junkBeforeHeaders = true;
  layout.streams = {VideoStream("XVID", 320, 240, 25, 1, 10), AudioStream(0x55, 2, 44100)};
  const std::string whole = BuildAvi(layout);
  ASSERT_EQ(Decode(whole).streams.size(), 2u);

  const size_t secondList = whole.find("strl", whole.find("strl") + 4);
  AviFileInfo info = Decode(whole.substr(0, secondList + 20));
  EXPECT_EQ(info.streamCount, 2u);
  EXPECT_EQ(info.streams.size(), 1u) << "the cut stream list has no whole header";
  EXPECT_EQ(info.width, 320u);

  const size_t mainHeader = whole.find("avih");
  Decode(whole.substr(0, mainHeader + 20), false);
  Decode(whole.substr(0, 11), false);
}

TEST(AviHeaders, SizesPastTheEndAreCutToTheFile) {
  AviSpec layout;
  layout.streams = {VideoStream("XVID", 320, 240, 25, 1, 10)};
  std::string bytes = BuildAvi(layout);
  const size_t list = bytes.find("hdrl") - 8;
  orv::testing::PatchLe(bytes, list + 4, 0xFFFFFFF0u, 4);  // the header list
  orv::testing::PatchLe(bytes, 4, 0xFFFFFFFFu, 4);         // the RIFF itself
  const size_t strh = bytes.find("strh");
  orv::testing::PatchLe(bytes, strh + 4, 0x7FFFFFFFu, 4);  // the stream header
  const AviFileInfo info = Decode(bytes);
  ASSERT_EQ(info.streams.size(), 1u);
  EXPECT_EQ(info.rate, 25u);
}

TEST(AviHeaders, OtherFilesAreRefused) {
  Decode("", false);
  Decode(std::string(5000, '\x7F'), false);
  std::string wave = orv::testing::RiffChunk("RIFF", "WAVEfmt ");
  Decode(wave, false);
  // A file whose frames come before any header list.
  Decode(orv::testing::RiffChunk("RIFF",
                                 "AVI " + orv::testing::RiffList("movi", std::string(64, '\0'))),
         false);
}

TEST(AviHeaders, ReadsTheHeaderListAndNotTheFrames) {
  AviSpec layout;
  layout.streams = {VideoStream("XVID", 320, 240, 25, 1, 10)};
  std::string bytes = BuildAvi(layout);
  const size_t headerEnd = bytes.find("movi");
  bytes += std::string(1 << 20, 'f');  // a megabyte of frames
  orv::testing::CountingSource source(bytes);
  AviFileInfo info;
  ASSERT_TRUE(DecodeAviHeaders(source, info));
  EXPECT_LE(source.bytesRead, headerEnd + 12);
}

TEST(AviFileInfo, OpensFilesAndRefusesMissingOnes) {
  orv::testing::TempFolder folder;
  AviSpec layout;
  layout.streams = {VideoStream("XVID", 320, 240, 25, 1, 10)};
  const std::string path = folder / "clip.avi";
  std::ofstream(path, std::ios::binary) << BuildAvi(layout);
  AviFileInfo info;
  ASSERT_TRUE(ReadAviFileInfo(path, info));
  EXPECT_EQ(info.length, 10u);
  EXPECT_FALSE(ReadAviFileInfo(folder / "missing.avi", info));
  EXPECT_FALSE(ReadAviFileInfo(folder.Path().string(), info));
}

}  // namespace
}  // namespace orv::platform
