// What a walk learns of entries and files on Linux: entry kinds (links to folders are never
// taken for folders), and the facts of a file without opening it.
#include "platform/file_facts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/clock.h"
#include "platform/files.h"
#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

TEST(EntryKinds, FilesFoldersAndLinks) {
  orv::testing::TempFolder folder;
  folder.Write("file.txt", "abc");
  folder.MakeFolder("sub");
  std::filesystem::create_symlink(folder.Path(), folder.Path() / "loop");
  std::filesystem::create_symlink(folder.Path() / "file.txt", folder.Path() / "link.txt");
  std::filesystem::create_symlink(folder.Path() / "absent", folder.Path() / "dangling");
  mkfifo((folder / "pipe").c_str(), 0600);

  FileEnumeration entries;
  FoundEntry entry;
  std::vector<std::string> seen;
  for (bool more = entries.Start(folder / "*", entry); more; more = entries.Next(entry)) {
    const char* kind = entry.kind == EntryKind::kFile     ? "file"
                       : entry.kind == EntryKind::kFolder ? "folder"
                                                          : "other";
    seen.push_back(entry.name + " " + kind);
    EXPECT_FALSE(entry.temporary);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"dangling other", "file.txt file", "link.txt file",
                                            "loop other", "pipe other", "sub folder"}));
  // The plain-name form still yields names.
  std::string name;
  ASSERT_TRUE(entries.Start(folder / "*.txt", name));
  EXPECT_EQ(name, "file.txt");
}

TEST(FileFacts, SizeAndTimesOfAFile) {
  orv::testing::TempFolder folder;
  const std::string path = folder.Write("file.txt", "abcdef");
  const std::time_t before = Now();
  const std::optional<FileFacts> facts = ReadFileFacts(path);
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->size, 6u);
  EXPECT_FALSE(facts->temporary);
  EXPECT_LE(std::abs(facts->lastWritten - before), 5);
  EXPECT_LE(std::abs(facts->created - before), 5);

  EXPECT_FALSE(ReadFileFacts(folder / "absent"));
  EXPECT_FALSE(ReadFileFacts(folder.Path().string()));
  EXPECT_FALSE(ReadFileFacts(""));
}

}  // namespace
}  // namespace orv::platform
