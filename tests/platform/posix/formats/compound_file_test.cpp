#include "platform/posix/formats/compound_file.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/structured_storage.h"
#include "tests/builders/compound_file_builder.h"
#include "tests/builders/counting_source.h"
#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

using orv::testing::BuildCompoundFile;
using orv::testing::CfbStream;
using orv::testing::CompoundFileImage;
using orv::testing::PatchLe;

const std::string kSummary = "\005SummaryInformation";

std::string Pattern(size_t size) {
  std::string out;
  for (size_t i = 0; i < size; ++i) out += static_cast<char>('a' + (i * 7) % 26);
  return out;
}

// The stream `name` of the image, or "<none>".
std::string Read(const std::string& bytes, std::string_view name) {
  text::MemorySource source(bytes);
  CompoundFile file;
  if (!file.Open(source)) return "<unopenable>";
  std::string out;
  return file.ReadRootStream(name, 1 << 20, out) ? out : "<none>";
}

TEST(CompoundFile, ReadsMiniAndRegularStreamsByNameInBothSectorSizes) {
  const std::string small = Pattern(300), large = Pattern(5000);
  for (uint16_t shift : {9, 12}) {
    const CompoundFileImage image = BuildCompoundFile(
        {{"WordDocument", large}, {kSummary, small}, {"\005DocumentSummaryInformation", "x"}},
        shift);
    ASSERT_FALSE(image.bytes.empty());
    EXPECT_EQ(Read(image.bytes, kSummary), small) << shift;
    EXPECT_EQ(Read(image.bytes, "worddocument"), large) << "names compare without case";
    EXPECT_EQ(Read(image.bytes, "Missing"), "<none>");
  }
}

TEST(CompoundFile, ReadsOnlyTheSectorsItNeeds) {
  const CompoundFileImage image =
      BuildCompoundFile({{"Big", Pattern(40000)}, {kSummary, Pattern(200)}});
  orv::testing::CountingSource source(image.bytes);
  CompoundFile file;
  ASSERT_TRUE(file.Open(source));
  std::string out;
  ASSERT_TRUE(file.ReadRootStream(kSummary, 1 << 20, out));
  EXPECT_LT(source.bytesRead, 4000u) << "header, FAT, directory, mini FAT, one mini sector";
  ASSERT_TRUE(file.ReadRootStream("Big", 1000, out));
  EXPECT_EQ(out.size(), 1000u) << "a stream is read only as far as asked";
}

TEST(CompoundFile, SectorChainsThatLoopOrLeaveTheFileFailTheRead) {
  const CompoundFileImage image =
      BuildCompoundFile({{"Big", Pattern(6000)}, {kSummary, Pattern(200)}});
  const uint32_t big = image.streamStarts[0];

  std::string loop = image.bytes;
  PatchLe(loop, image.FatEntryOffset(big + 3), big, 4);  // back to the stream's start
  EXPECT_EQ(Read(loop, "Big"), "<none>");

  std::string outside = image.bytes;
  PatchLe(outside, image.FatEntryOffset(big + 1), 0x00FFFFFF, 4);
  EXPECT_EQ(Read(outside, "Big"), "<none>");

  std::string miniLoop = image.bytes;
  const uint32_t mini = image.streamStarts[1];
  PatchLe(miniLoop, image.MiniFatEntryOffset(mini + 1), mini, 4);
  EXPECT_EQ(Read(miniLoop, kSummary), "<none>");

  std::string directoryLoop = image.bytes;
  PatchLe(directoryLoop, image.FatEntryOffset(image.directorySector), image.directorySector, 4);
  EXPECT_EQ(Read(directoryLoop, kSummary), "<unopenable>") << "no root entry to open";
}

TEST(CompoundFile, SiblingLinksThatFormACycleEndTheSearch) {
  CompoundFileImage image = BuildCompoundFile({{"A", "1"}, {"B", "2"}, {"C", "3"}});
  // Every entry points back at the others, both ways.
  for (uint32_t id = 1; id <= 3; ++id) {
    PatchLe(image.bytes, image.EntryOffset(id) + 0x44, id % 3 + 1, 4);
    PatchLe(image.bytes, image.EntryOffset(id) + 0x48, (id + 1) % 3 + 1, 4);
  }
  PatchLe(image.bytes, image.EntryOffset(1) + 0x4C, 0, 4);  // and a child back to the root
  EXPECT_EQ(Read(image.bytes, "C"), "3");
  EXPECT_EQ(Read(image.bytes, "D"), "<none>");
}

TEST(CompoundFile, SizesAndCountsPastTheFileAreRefused) {
  const CompoundFileImage image = BuildCompoundFile({{"Big", Pattern(6000)}, {kSummary, "s"}});

  std::string longStream = image.bytes;
  PatchLe(longStream, image.EntryOffset(1) + 0x78, 0x7FFFFFFF, 4);
  EXPECT_EQ(Read(longStream, "Big"), "<none>") << "the chain ends long before the size";

  std::string fatCount = image.bytes;
  PatchLe(fatCount, 0x2C, 0x10000000, 4);
  EXPECT_EQ(Read(fatCount, kSummary), "<unopenable>");

  std::string badShift = image.bytes;
  PatchLe(badShift, 0x1E, 30, 2);
  EXPECT_EQ(Read(badShift, kSummary), "<unopenable>");

  // A version 3 file may leave garbage in a size's high word.
  std::string highWord = image.bytes;
  PatchLe(highWord, image.EntryOffset(2) + 0x7C, 0xDEADBEEF, 4);
  EXPECT_EQ(Read(highWord, kSummary), "s");

  EXPECT_EQ(Read(image.bytes.substr(0, 1200), "Big"), "<none>");
  EXPECT_EQ(Read(image.bytes.substr(0, 300), kSummary), "<unopenable>");
}

TEST(SummaryStream, TellsOtherFilesLockedStoragesAndMissingStreamsApart) {
  orv::testing::TempFolder folder;
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return folder / name;
  };
  std::string stream;
  EXPECT_EQ(ReadSummaryStream(write("notes.doc", "plain text\n"), stream),
            SummaryStreamRead::kNotStorage);
  EXPECT_EQ(ReadSummaryStream(write("zipped.doc", "PK\3\4 and more"), stream),
            SummaryStreamRead::kNotStorage);
  const CompoundFileImage with = BuildCompoundFile({{"WordDocument", "w"}, {kSummary, "props"}});
  EXPECT_EQ(ReadSummaryStream(write("with.doc", with.bytes), stream), SummaryStreamRead::kRead);
  EXPECT_EQ(stream, "props");
  const CompoundFileImage without = BuildCompoundFile({{"WordDocument", "w"}});
  EXPECT_EQ(ReadSummaryStream(write("without.doc", without.bytes), stream),
            SummaryStreamRead::kStreamUnreadable);
  EXPECT_EQ(stream, "");
  EXPECT_EQ(ReadSummaryStream(write("cut.doc", with.bytes.substr(0, 100)), stream),
            SummaryStreamRead::kStorageUnopenable);
}

}  // namespace
}  // namespace orv::platform
