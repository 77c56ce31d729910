// Files through the Windows API: FindFirstFile enumerations, CopyFileA, attributes, whole reads.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "platform/library.h"
#include "tests/platform/win32/temp_folder.h"

// windows.h maps CopyFile to CopyFileA; the platform function of that name is meant here.
#undef CopyFile

namespace orv::platform {
namespace {

using orv::testing::ReadFile;
using orv::testing::TempFolder;

TEST(FilesTest, BothSlashesSeparateAndAttributesTellFilesFromFolders) {
  EXPECT_EQ(kPathSeparator, '\\');
  EXPECT_TRUE(IsPathSeparator('\\'));
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_FALSE(IsPathSeparator(':'));
  TempFolder folder;
  const std::string file = folder.Write("a.film", "x");
  EXPECT_TRUE(PathExists(file));
  EXPECT_TRUE(IsRegularFile(file));
  EXPECT_FALSE(IsFolder(file));
  EXPECT_TRUE(IsFolder(folder.Path()));
  EXPECT_FALSE(IsRegularFile(folder.Path()));
  EXPECT_FALSE(PathExists(folder / "none"));
  EXPECT_FALSE(PathExists(""));
}

std::set<std::string> Enumerate(const std::string& pattern) {
  std::set<std::string> names;
  FileEnumeration files;
  std::string name;
  for (bool more = files.Start(pattern, name); more; more = files.Next(name)) {
    if (!names.insert(name).second || names.size() > 100) break;
  }
  return names;
}

TEST(FileEnumerationTest, WildcardsIgnoreCaseAndSkipDotEntries) {
  TempFolder folder;
  folder.Write("Alien.FILM", "");
  folder.Write("brazil.film", "");
  folder.Write("brazil.jpg", "");
  CreateDirectoryA((folder / "sub.film").c_str(), nullptr);
  EXPECT_EQ(Enumerate(folder / "*.film"),
            (std::set<std::string>{"Alien.FILM", "brazil.film", "sub.film"}));
  EXPECT_EQ(Enumerate(folder / "*").size(), 4u);
  EXPECT_EQ(Enumerate(folder.Path() + "/b*.JPG"), (std::set<std::string>{"brazil.jpg"}));
  // A path without wildcards names that entry itself.
  EXPECT_EQ(Enumerate(folder / "brazil.film"), (std::set<std::string>{"brazil.film"}));
  EXPECT_TRUE(Enumerate(folder / "*.avi").empty());
  EXPECT_TRUE(Enumerate("").empty());
}

TEST(FileEnumerationTest, EndsAndRestartsLikeFindFirstFile) {
  TempFolder folder;
  folder.Write("one.film", "");
  FileEnumeration files;
  std::string name;
  EXPECT_FALSE(files.IsOpen());
  ASSERT_TRUE(files.Start(folder / "*.film", name));
  EXPECT_TRUE(files.IsOpen());
  EXPECT_FALSE(files.Next(name));
  EXPECT_TRUE(files.IsOpen());  // open until End, as a find handle is
  files.End();
  EXPECT_FALSE(files.IsOpen());
  EXPECT_FALSE(files.Next(name));
  ASSERT_TRUE(files.Start(folder / "*.film", name));
  EXPECT_EQ(name, "one.film");
  EXPECT_FALSE(files.Start(folder / "*.none", name));
  EXPECT_FALSE(files.IsOpen());
}

TEST(CopyFileTest, OverwritesOnlyWhenAsked) {
  TempFolder folder;
  const std::string from = folder.Write("poster.jpg", "new");
  const std::string to = folder.Write("copy.jpg", "old");
  EXPECT_FALSE(CopyFile(from, to, false));
  EXPECT_EQ(ReadFile(to), "old");
  EXPECT_TRUE(CopyFile(from, to, true));
  EXPECT_EQ(ReadFile(to), "new");
  EXPECT_FALSE(CopyFile(folder / "missing.jpg", folder / "other.jpg", true));
  EXPECT_FALSE(PathExists(folder / "other.jpg"));
  EXPECT_FALSE(CopyFile(from, "", true));
}

TEST(ReadWholeFileTest, ReadsUpToTheCapAndWhileOthersWrite) {
  TempFolder folder;
  const std::string path = folder.Write("t.htm", std::string("a\0b\r\n", 5));
  std::string bytes = "kept";
  EXPECT_FALSE(ReadWholeFile(path, bytes, 4));
  EXPECT_EQ(bytes, "kept");
  ASSERT_TRUE(ReadWholeFile(path, bytes, 5));
  EXPECT_EQ(bytes, std::string("a\0b\r\n", 5));
  EXPECT_FALSE(ReadWholeFile(folder / "none", bytes, 100));
  // A template open in an editor is still readable.
  HANDLE open = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(ReadWholeFile(path, bytes, 100));
  CloseHandle(open);
}

TEST(WildcardMatchTest, FollowsTheFindFirstFileRules) {
  EXPECT_TRUE(WildcardMatch("*.film", "ALIEN.Film"));
  EXPECT_FALSE(WildcardMatch("*.film", "alien.films"));
  EXPECT_TRUE(WildcardMatch("*.*", "README"));
  EXPECT_TRUE(WildcardMatch("a?c", "abc"));
  EXPECT_FALSE(WildcardMatch("a?c", "ac"));
  // Hopeless patterns end quickly rather than backtracking without end.
  EXPECT_FALSE(WildcardMatch(std::string(200, '*') + "b", std::string(5000, 'a')));
}

TEST(LibraryTest, NamesAndLoadFailuresAreReported) {
  EXPECT_EQ(LibraryFileName("filmcard"), "filmcard.dll");
  Library library;
  std::string error;
  EXPECT_FALSE(library.Load("Z:\\no\\such\\filter.dll", error));
  EXPECT_NE(error.find("filter.dll"), std::string::npos);
  EXPECT_EQ(library.Symbol("GetFunctionInfo"), nullptr);
  ASSERT_TRUE(library.Load("kernel32.dll", error)) << error;
  EXPECT_NE(library.Symbol("GetTickCount"), nullptr);
  EXPECT_EQ(library.Symbol("NoSuchExport"), nullptr);
  EXPECT_EQ(library.Symbol(nullptr), nullptr);
}

}  // namespace
}  // namespace orv::platform
