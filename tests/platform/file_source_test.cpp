#include "platform/file_source.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

TEST(FileSource, ReadsPiecesOfAPlainFile) {
  testing::TempFolder folder;
  folder.Write("a.bin", "0123456789");
  FileSource source;
  ASSERT_TRUE(source.Open(folder / "a.bin"));
  EXPECT_EQ(source.Size(), 10u);
  std::string out;
  ASSERT_TRUE(source.ReadAt(7, 100, out));
  EXPECT_EQ(out, "789");
  ASSERT_TRUE(source.ReadAt(10, 1, out));
  EXPECT_EQ(out, "");
  EXPECT_TRUE(source.ReadExactly(2, 3, out));
  EXPECT_EQ(out, "234");
}

TEST(FileSource, TheHeadIsReadOnceAndTheRestAsAsked) {
  testing::TempFolder folder;
  std::string bytes(FileSource::kHeadBytes + 100, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 253);
  folder.Write("big.bin", bytes);
  FileSource source;
  ASSERT_TRUE(source.Open(folder / "big.bin"));
  std::string_view view;
  ASSERT_TRUE(source.ViewAt(10, 20, view));
  EXPECT_EQ(view, bytes.substr(10, 20));
  // Past the head, or across its end: read from the file.
  EXPECT_FALSE(source.ViewAt(FileSource::kHeadBytes - 4, 8, view));
  std::string out;
  ASSERT_TRUE(source.ReadAt(FileSource::kHeadBytes - 4, 200, out));
  EXPECT_EQ(out, bytes.substr(FileSource::kHeadBytes - 4));
  ASSERT_TRUE(source.ReadAt(5, 3, out));
  EXPECT_EQ(out, bytes.substr(5, 3));

  // A small file is held whole: a piece at its end is cut there.
  folder.Write("small.bin", "0123456789");
  ASSERT_TRUE(source.Open(folder / "small.bin"));
  ASSERT_TRUE(source.ViewAt(8, 100, view));
  EXPECT_EQ(view, "89");
  ASSERT_TRUE(source.ViewAt(50, 1, view));
  EXPECT_TRUE(view.empty());
  source.Close();
  EXPECT_FALSE(source.ViewAt(0, 1, view));
}

TEST(FileSource, RefusesWhatIsNotAPlainFile) {
  testing::TempFolder folder;
  FileSource source;
  EXPECT_FALSE(source.Open(folder / "missing"));
  EXPECT_FALSE(source.Open(folder.Path().string()));
  const std::string pipe = folder / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(source.Open(pipe)) << "and does not wait for a writer";
  EXPECT_FALSE(source.IsOpen());
}

}  // namespace
}  // namespace orv::platform
