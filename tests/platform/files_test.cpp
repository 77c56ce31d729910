// Files on Linux: wildcards as FindFirstFile matches them, sorted enumerations, safe copies.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

namespace fs = std::filesystem;
using orv::testing::ReadFile;

TEST(WildcardMatchTest, MatchesStarsAndQuestionMarksWithoutRegardToCase) {
  EXPECT_TRUE(WildcardMatch("*.film", "Alien.film"));
  EXPECT_TRUE(WildcardMatch("*.film", "ALIEN.FILM"));
  EXPECT_TRUE(WildcardMatch("*.FILM", "alien.film"));
  EXPECT_TRUE(WildcardMatch("*.film", ".film"));
  EXPECT_FALSE(WildcardMatch("*.film", "alien.films"));
  EXPECT_FALSE(WildcardMatch("*.film", "alien.fil"));
  EXPECT_TRUE(WildcardMatch("a?c", "abc"));
  EXPECT_FALSE(WildcardMatch("a?c", "ac"));
  EXPECT_TRUE(WildcardMatch("*a*b*", "xxaxxbxx"));
  EXPECT_FALSE(WildcardMatch("*a*b*", "xxbxxaxx"));
  EXPECT_TRUE(WildcardMatch("", ""));
  EXPECT_FALSE(WildcardMatch("", "a"));
  EXPECT_TRUE(WildcardMatch("***", ""));
  // Accented letters are compared as bytes, only ASCII letters fold.
  EXPECT_TRUE(WildcardMatch("été.jpg", "été.JPG"));
  EXPECT_FALSE(WildcardMatch("été.jpg", "ÉTÉ.jpg"));
}

TEST(WildcardMatchTest, AFinalDotStarAlsoMatchesNamesWithoutExtension) {
  EXPECT_TRUE(WildcardMatch("*.*", "README"));
  EXPECT_TRUE(WildcardMatch("*.*", "a.b.c"));
  EXPECT_TRUE(WildcardMatch("readme.*", "README"));
  EXPECT_FALSE(WildcardMatch("readme.*", "READMEs"));
}

TEST(WildcardMatchTest, LongHopelessPatternsFinishQuickly) {
  const std::string name(4000, 'a');
  EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*a*a*a*a*b", name));
}

class FileEnumerationTest : public ::testing::Test {
 protected:
  std::vector<std::string> All(const std::string& pattern) {
    std::vector<std::string> names;
    FileEnumeration files;
    std::string name;
    for (bool more = files.Start(pattern, name); more; more = files.Next(name)) {
      names.push_back(name);
    }
    return names;
  }
  orv::testing::TempFolder folder_;
};

TEST_F(FileEnumerationTest, YieldsMatchingNamesSortedWithoutDotEntries) {
  for (const char* name : {"b.film", "A.FILM", "c.jpg", "a.film.bak", "C.film"}) {
    folder_.Write(name, "x");
  }
  fs::create_directory(folder_.Path() / "dir.film");
  EXPECT_EQ(All(folder_ / "*.film"),
            (std::vector<std::string>{"A.FILM", "b.film", "C.film", "dir.film"}));
  EXPECT_EQ(All(folder_ / "*").size(), 6u);
  EXPECT_TRUE(All(folder_ / "*.avi").empty());
  EXPECT_TRUE(All(folder_ / "missing/*.film").empty());
}

TEST_F(FileEnumerationTest, APlainPathNamesThatEntryItself) {
  folder_.Write("one.film", "x");
  folder_.Write("two.film", "x");
  EXPECT_EQ(All(folder_ / "one.film"), std::vector<std::string>{"one.film"});
  EXPECT_TRUE(All(folder_ / "three.film").empty());
  EXPECT_TRUE(All(folder_.Path().string() + "/").empty());
}

TEST_F(FileEnumerationTest, StartEndAndRestartFollowFindFirstFile) {
  folder_.Write("a.film", "x");
  folder_.Write("b.film", "x");
  FileEnumeration files;
  std::string name;
  EXPECT_FALSE(files.IsOpen());
  EXPECT_FALSE(files.Start(folder_ / "*.none", name));
  EXPECT_FALSE(files.IsOpen());
  ASSERT_TRUE(files.Start(folder_ / "*.film", name));
  EXPECT_EQ(name, "a.film");
  ASSERT_TRUE(files.Next(name));
  EXPECT_EQ(name, "b.film");
  EXPECT_FALSE(files.Next(name));
  EXPECT_TRUE(files.IsOpen());  // stays open until End, as a find handle does
  ASSERT_TRUE(files.Start(folder_ / "*.film", name));
  EXPECT_EQ(name, "a.film");
  files.End();
  EXPECT_FALSE(files.IsOpen());
  EXPECT_FALSE(files.Next(name));
}

TEST(FilesTest, KnowsFilesFromFolders) {
  orv::testing::TempFolder folder;
  const std::string file = folder.Write("f.txt", "x");
  EXPECT_TRUE(PathExists(file));
  EXPECT_TRUE(IsRegularFile(file));
  EXPECT_FALSE(IsFolder(file));
  EXPECT_TRUE(IsFolder(folder.Path().string()));
  EXPECT_FALSE(PathExists(folder / "none"));
  EXPECT_FALSE(PathExists(""));
  EXPECT_EQ(kPathSeparator, '/');
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_FALSE(IsPathSeparator('\\'));
}

TEST(CopyFileTest, CopiesAndOverwritesOnlyWhenAsked) {
  orv::testing::TempFolder folder;
  const std::string poster(300000, 'p');
  const std::string from = folder.Write("poster.jpg", poster);
  const std::string to = folder / "pictures/poster.jpg";
  fs::create_directory(folder.Path() / "pictures");

  ASSERT_TRUE(CopyFile(from, to, false));
  EXPECT_EQ(ReadFile(to), poster);

  folder.Write("pictures/poster.jpg", "older");
  EXPECT_FALSE(CopyFile(from, to, false));
  EXPECT_EQ(ReadFile(to), "older");
  EXPECT_TRUE(CopyFile(from, to, true));
  EXPECT_EQ(ReadFile(to), poster);

  // Nothing but the copy is left in the target folder.
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder.Path() / "pictures")) {
    ++entries;
  }
  EXPECT_EQ(entries, 1u);
}

TEST(CopyFileTest, FailuresLeaveTheTargetUntouched) {
  orv::testing::TempFolder folder;
  const std::string to = folder.Write("target.jpg", "kept");
  EXPECT_FALSE(CopyFile(folder / "missing.jpg", to, true));
  EXPECT_FALSE(CopyFile(folder.Path().string(), to, true));  // a folder is not a file
  // A named pipe without a writer is refused at once instead of holding the copy.
  const std::string pipe = folder / "poster.jpg";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_FALSE(CopyFile(pipe, to, true));
  EXPECT_EQ(ReadFile(to), "kept");
  EXPECT_FALSE(CopyFile(to, folder / "no/such/folder/x.jpg", true));
  EXPECT_EQ(ReadFile(to), "kept");
}

TEST(ReadWholeFileTest, ReadsUpToTheCap) {
  orv::testing::TempFolder folder;
  const std::string file = folder.Write("card.film", std::string("a\0b", 3));
  std::string bytes = "stale";
  ASSERT_TRUE(ReadWholeFile(file, bytes, 3));
  EXPECT_EQ(bytes, std::string("a\0b", 3));
  EXPECT_FALSE(ReadWholeFile(file, bytes, 2));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(ReadWholeFile(folder / "missing", bytes, 100));
  EXPECT_FALSE(ReadWholeFile(folder.Path().string(), bytes, 100));
  const std::string empty = folder.Write("empty", "");
  EXPECT_TRUE(ReadWholeFile(empty, bytes, 0));
}

}  // namespace
}  // namespace orv::platform
