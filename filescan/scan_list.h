// The scan list: every entry of the tree that a run goes through, built by one walk when the run
// is opened. Pre-order, a folder's own files before its sub-folders, and a folder's entry right
// before its contents.
#ifndef ORV_FILESCAN_SCAN_LIST_H
#define ORV_FILESCAN_SCAN_LIST_H

#include <string>
#include <vector>

namespace orv::filescan {

enum : unsigned { kEntryFolder = 0, kEntryFile = 1 };

struct ScanEntry {
  std::string text;  // a file's full path, or a folder's whole name
  unsigned kind = kEntryFile;
  // 0 directly in the scanned folder; a folder entry carries the depth of the folder holding
  // it, the files inside it one more.
  unsigned depth = 0;
};

// Appends the entries of the tree at `root` that match `mask` ("*" for all) to `list`. With a
// non-zero `depthLimit` no folder at depth `depthLimit` - 1 is entered (1: the root's own files
// only). Files with the temporary attribute and links to folders are left out. An empty or
// missing root adds nothing. Returns the number of files added.
int WalkTree(const std::string& root, const std::string& mask, unsigned depth, unsigned depthLimit,
             std::vector<ScanEntry>& list);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_SCAN_LIST_H
