// The system's AVI, structured-storage and version interfaces on the files the test builders
// make: the Linux readers are checked against the same files in tests/platform.
#include <gtest/gtest.h>

#include "platform/avi_info.h"
#include "platform/structured_storage.h"
#include "platform/version_info.h"
#include "tests/builders/avi_builder.h"
#include "tests/builders/compound_file_builder.h"
#include "tests/builders/pe_builder.h"
#include "tests/platform/win32/temp_folder.h"

namespace orv::platform {
namespace {

using orv::testing::TempFolder;

TEST(Win32FileFacts, AviFileReportsTheFirstStreamsTimingAndEachStream) {
  TempFolder folder;
  orv::testing::AviSpec layout;
  layout.streams = {orv::testing::VideoStream("xvid", 640, 480, 30000, 1001, 900),
                  orv::testing::AudioStream(0x55, 2, 48000, 1440000)};
  AviFileInfo info;
  ASSERT_TRUE(ReadAviFileInfo(folder.Write("clip.avi", orv::testing::BuildAvi(layout)), info));
  EXPECT_EQ(info.streamCount, 2u);
  EXPECT_EQ(info.width, 640u);
  EXPECT_EQ(info.height, 480u);
  EXPECT_EQ(info.rate, 30000u);
  EXPECT_EQ(info.scale, 1001u);
  EXPECT_EQ(info.length, 900u);
  ASSERT_EQ(info.streams.size(), 2u);
  EXPECT_EQ(info.streams[0].type, kAviVideoStream);
  EXPECT_EQ(info.streams[0].handler, FourCc("xvid"));
  ASSERT_GE(info.streams[1].format.size(), 14u);
  EXPECT_EQ(static_cast<unsigned char>(info.streams[1].format[0]), 0x55);
  EXPECT_FALSE(ReadAviFileInfo(folder.Write("random.avi", std::string(3000, '\x42')), info));
}

TEST(Win32FileFacts, FilesAviFileCannotSurviveAreDescribedFromTheirHeaders) {
  TempFolder folder;
  orv::testing::AviSpec layout;
  layout.streams = {orv::testing::VideoStream("DIVX", 320, 240, 0, 1, 50),
                  orv::testing::AudioStream(1, 2, 44100)};
  AviFileInfo info;
  ASSERT_TRUE(ReadAviFileInfo(folder.Write("zero.avi", orv::testing::BuildAvi(layout)), info));
  EXPECT_EQ(info.rate, 0u);
  EXPECT_EQ(info.length, 50u);
  layout.streams[0].rate = 25;
  layout.declaredStreams = 3;
  ASSERT_TRUE(ReadAviFileInfo(folder.Write("more.avi", orv::testing::BuildAvi(layout)), info));
  EXPECT_EQ(info.streamCount, 3u);
  EXPECT_EQ(info.streams.size(), 2u);
  layout.declaredStreams = 1;
  ASSERT_TRUE(ReadAviFileInfo(folder.Write("fewer.avi", orv::testing::BuildAvi(layout)), info));
  EXPECT_EQ(info.streams.size(), 1u);
}

TEST(Win32FileFacts, StructuredStorageOpensTheSummaryStream) {
  TempFolder folder;
  const auto image = orv::testing::BuildCompoundFile(
      {{"WordDocument", std::string(5000, 'w')}, {"\005SummaryInformation", "props"}});
  std::string stream;
  EXPECT_EQ(ReadSummaryStream(folder.Write("with.doc", image.bytes), stream),
            SummaryStreamRead::kRead);
  EXPECT_EQ(stream, "props");
  const auto without = orv::testing::BuildCompoundFile({{"WordDocument", "w"}});
  EXPECT_EQ(ReadSummaryStream(folder.Write("without.doc", without.bytes), stream),
            SummaryStreamRead::kStreamUnreadable);
  EXPECT_EQ(ReadSummaryStream(folder.Write("notes.doc", "plain text"), stream),
            SummaryStreamRead::kNotStorage);
}

TEST(Win32FileFacts, VersionApiReadsPe32AndPe32PlusAndIgnoresTheKeysCase) {
  TempFolder folder;
  orv::testing::VersionSpec version;
  version.tableKey = "040c04e4";
  version.translations = {{0x040C, 0x04E4}};
  version.strings = {{"CompanyName", "Société"}, {"FileDescription", "Outil"}};
  for (bool plus : {false, true}) {
    orv::testing::PeSpec layout;
    layout.pe32Plus = plus;
    layout.language = 0x040C;
    layout.versionBlock = orv::testing::BuildVersionBlock(version);
    VersionInfo info;
    ASSERT_TRUE(
        info.Load(folder.Write(plus ? "p64.dll" : "p32.dll", orv::testing::BuildPe(layout).bytes)))
        << plus;
    EXPECT_EQ(info.FileVersionHigh(), 0x00010002u);
    EXPECT_EQ(info.FileVersionLow(), 0x00030004u);
    ASSERT_EQ(info.Translations().size(), 1u);
    EXPECT_EQ(info.String(info.Translations()[0], "companyname"), "Soci\xE9t\xE9");
    EXPECT_EQ(info.String(info.Translations()[0], "Comments"), "");
  }
  orv::testing::PeSpec bare;
  bare.withResources = false;
  VersionInfo info;
  EXPECT_FALSE(info.Load(folder.Write("bare.exe", orv::testing::BuildPe(bare).bytes)));
  EXPECT_FALSE(LanguageName(0x040C).empty());
}

}  // namespace
}  // namespace orv::platform
