// One run of the scan: the list built by Open, the cursor, and the failure guard around each
// entry's analysis (a reader that fails asks the user, with message 100, whether to go on).
#ifndef ORV_FILESCAN_SCAN_RUN_H
#define ORV_FILESCAN_SCAN_RUN_H

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "contract/abi.h"
#include "filescan/content_readers.h"
#include "filescan/filescan_options.h"
#include "filescan/scan_list.h"
#include "platform/ui.h"

namespace orv::filescan {

// What a run asks of the system; tests replace these.
struct ScanServices {
  ui::Services system;  // the failure guard's message box
  ContentReaders readers = StandardReaders();
};

class ScanRun {
 public:
  explicit ScanRun(ScanServices services = {}) : services_(std::move(services)) {}

  // Empties the list and walks `root`, the sub-folders too when asked. False, after a message
  // naming the folder and the reason, when it is missing, not a folder or cannot be read.
  bool Start(const std::string& root, bool subFolders);
  const std::vector<ScanEntry>& Entries() const { return entries_; }
  int32_t Count() const;
  // The entry under the cursor, then the cursor moves on: 1 item, 0 nothing, -1 none left or
  // the user chose to stop after a failure.
  int32_t Next(const FilescanOptions& options, MediaItem& item, int32_t& itemKind);

 private:
  ScanServices services_;
  std::vector<ScanEntry> entries_;
  size_t cursor_ = 0;
};

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_SCAN_RUN_H
