// A tree with symbolic links: a link back up the tree would make the walk endless, so links to
// folders are never entered; links to files are listed as files.
#include <gtest/gtest.h>

#include <filesystem>

#include "filescan/scan_list.h"
#include "tests/platform/temp_folder.h"

namespace orv::filescan {
namespace {

TEST(TreeWalkLinks, LinksToFoldersAreNotEnteredAndLoopsEnd) {
  orv::testing::TempFolder tree;
  tree.Write("a/song.mp3", "x");
  std::filesystem::create_symlink(tree.Path(), tree.Path() / "a" / "up");
  std::filesystem::create_symlink(tree.Path() / "a", tree.Path() / "a" / "self");
  std::filesystem::create_symlink(tree.Path() / "a" / "song.mp3", tree.Path() / "alias.mp3");
  std::vector<ScanEntry> list;
  EXPECT_EQ(WalkTree(tree.Path().string(), "*", 0, 0, list), 2);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].text, (tree.Path() / "alias.mp3").string());
  EXPECT_EQ(list[1].text, "a");
  EXPECT_EQ(list[1].kind, kEntryFolder);
  EXPECT_EQ(list[2].text, (tree.Path() / "a" / "song.mp3").string());
}

}  // namespace
}  // namespace orv::filescan
