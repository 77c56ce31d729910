// The walk of the tree: order, depths, the depth limit, and what it leaves out.
#include <gtest/gtest.h>

#include <filesystem>

#include "filescan/scan_list.h"
#include "tests/platform/temp_folder.h"

namespace orv::filescan {
namespace {

using orv::testing::TempFolder;

std::vector<std::string> Describe(const std::vector<ScanEntry>& list, const std::string& root) {
  std::vector<std::string> lines;
  for (const ScanEntry& entry : list) {
    std::string text = entry.text;
    if (entry.kind == kEntryFile && text.rfind(root, 0) == 0) text = text.substr(root.size() + 1);
    for (char& c : text) {
      if (c == '\\') c = '/';  // the Windows separator
    }
    lines.push_back(std::string(entry.kind == kEntryFile ? "file " : "folder ") + text + " " +
                    std::to_string(entry.depth));
  }
  return lines;
}

TEST(TreeWalk, FilesBeforeSubFoldersAndEachFolderRightBeforeItsContents) {
  TempFolder tree;
  tree.Write("b.jpg", "x");
  tree.Write("a.txt", "x");
  tree.Write("S/song.mp3", "x");
  tree.Write("S/T/deep.txt", "x");
  tree.Write("Vol. 2/p.jpg", "x");
  tree.MakeFolder("Empty");
  std::vector<ScanEntry> list;
  EXPECT_EQ(WalkTree(tree.Path().string(), "*", 0, 0, list), 5);
  EXPECT_EQ(Describe(list, tree.Path().string()),
            (std::vector<std::string>{"file a.txt 0", "file b.jpg 0", "folder Empty 0",
                                      "folder S 0",
                                      "file S/song.mp3 1", "folder T 1", "file S/T/deep.txt 2",
                                      "folder Vol. 2 0", "file Vol. 2/p.jpg 1"}));
}

TEST(TreeWalk, DepthLimitOneKeepsTheRootsOwnFiles) {
  TempFolder tree;
  tree.Write("a.txt", "x");
  tree.Write("S/song.mp3", "x");
  std::vector<ScanEntry> list;
  EXPECT_EQ(WalkTree(tree.Path().string(), "*", 0, 1, list), 1);
  EXPECT_EQ(Describe(list, tree.Path().string()), (std::vector<std::string>{"file a.txt 0"}));

  list.clear();
  EXPECT_EQ(WalkTree(tree.Path().string(), "*", 0, 2, list), 2);
  EXPECT_EQ(list.size(), 3u);
}

TEST(TreeWalk, AMissingOrEmptyRootListsNothing) {
  TempFolder tree;
  std::vector<ScanEntry> list;
  EXPECT_EQ(WalkTree("", "*", 0, 0, list), 0);
  EXPECT_EQ(WalkTree(tree / "absent", "*", 0, 0, list), 0);
  EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace orv::filescan
