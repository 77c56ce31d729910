#include "filescan/scan_list.h"

#include "contract/path.h"
#include "platform/files.h"

namespace orv::filescan {
namespace {

// Deeper than any real tree; keeps the recursion off the end of the stack whatever the file
// system does.
constexpr unsigned kMaxDepth = 256;

struct SubFolder {
  std::string name;  // whole: a heading "Vol. 2" is not "Vol"
  std::string path;
};

}  // namespace

int WalkTree(const std::string& root, const std::string& mask, unsigned depth, unsigned depthLimit,
             std::vector<ScanEntry>& list) {
  if (root.empty() || depth >= kMaxDepth) return 0;
  int files = 0;
  std::vector<SubFolder> folders;
  {
    platform::FileEnumeration enumeration;
    platform::FoundEntry entry;
    for (bool found = enumeration.Start(JoinPath(root, mask), entry); found;
         found = enumeration.Next(entry)) {
      if (entry.kind == platform::EntryKind::kFile) {
        if (entry.temporary) continue;
        list.push_back({JoinPath(root, entry.name), kEntryFile, depth});
        ++files;
      } else if (entry.kind == platform::EntryKind::kFolder) {
        if (depthLimit != 0 && depth + 1 == depthLimit) continue;
        folders.push_back({entry.name, JoinPath(root, entry.name)});
      }
    }
  }
  // The enumeration is closed before descending, so open handles do not pile up with depth.
  for (const SubFolder& folder : folders) {
    list.push_back({folder.name, kEntryFolder, depth});
    files += WalkTree(folder.path, mask, depth + 1, depthLimit, list);
  }
  return files;
}

}  // namespace orv::filescan
