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
