#include "platform/replacing_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

using orv::testing::ReadFile;

TEST(ReplacingFile, TheTargetKeepsItsOldBytesUntilTheCommit) {
  testing::TempFolder folder;
  const std::string page = folder.Write("page.htm", "old page");
  chmod(page.c_str(), 0640);
  {
    ReplacingFile file;
    ASSERT_TRUE(file.Create(page));
    ASSERT_TRUE(file.Write("new "));
    EXPECT_EQ(ReadFile(page), "old page");
    ASSERT_TRUE(file.Write("page"));
    ASSERT_TRUE(file.Commit());
  }
  EXPECT_EQ(ReadFile(page), "new page");
  struct stat info;
  ASSERT_EQ(stat(page.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u) << "a replaced page keeps its permissions";
  EXPECT_EQ(folder.List(), (std::vector<std::string>{"page.htm"})) << "no temporary file left";
}

TEST(ReplacingFile, AnAbandonedFileLeavesTheTargetAndNoTraceAndAStaleOneIsCleared) {
  testing::TempFolder folder;
  const std::string page = folder.Write("page.htm", "old page");
  {
    ReplacingFile file;
    ASSERT_TRUE(file.Create(page));
    file.Write("half a pa");
  }
  EXPECT_EQ(ReadFile(page), "old page");
  EXPECT_EQ(folder.List(), (std::vector<std::string>{"page.htm"}));

  // What a killed export leaves: the next one of the same page removes it, and only it.
  folder.Write("page.htm.tmpAb12Cd", "half a pa");
  folder.Write("other.htm.tmpAb12Cd", "someone else's");
  folder.Write("page.htm.tmpnotours", "not of that pattern");
  ReplacingFile file;
  ASSERT_TRUE(file.Create(page));
  ASSERT_TRUE(file.Commit());
  EXPECT_EQ(folder.List(),
            (std::vector<std::string>{"other.htm.tmpAb12Cd", "page.htm", "page.htm.tmpnotours"}));
  EXPECT_EQ(ReadFile(page), "");
}

TEST(ReplacingFile, ADeviceIsWrittenInPlaceNeverReplaced) {
  ReplacingFile file;
  ASSERT_TRUE(file.Create("/dev/null"));
  ASSERT_TRUE(file.Write("bytes"));
  ASSERT_TRUE(file.Commit());
  struct stat info;
  ASSERT_EQ(stat("/dev/null", &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(ReplacingFile, AFolderThatDoesNotExistIsRefused) {
  testing::TempFolder folder;
  ReplacingFile file;
  EXPECT_FALSE(file.Create(folder / "missing/page.htm"));
  EXPECT_FALSE(file.Commit());
}

}  // namespace
}  // namespace orv::platform
