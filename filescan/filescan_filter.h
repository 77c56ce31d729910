// filescan, the files-and-folders import: walks a folder tree when the run is opened and makes
// one item per file (and, when asked, per folder), reading what the content readers know of
// pictures, music, video, web pages, office documents and programs.
#ifndef ORV_FILESCAN_FILESCAN_FILTER_H
#define ORV_FILESCAN_FILESCAN_FILTER_H

#include <memory>

#include "contract/filter.h"
#include "filescan/filescan_options.h"
#include "filescan/scan_run.h"

namespace orv::filescan {

class FilescanFilter : public Filter {
 public:
  FilescanFilter();

  // Walks the host's path, or the Folder option when SelectDir is 0. 0, after a message, when
  // that is no folder that can be read.
  int32_t Open(const char* path, HostDocument* document, ItemList* items) override;
  int32_t Close() override;
  // Files and folders together, whatever FileMode later keeps.
  int32_t GetCount() override;
  int32_t ProcessItem(MediaItem& item, int32_t& itemKind) override;

  FilescanOptions& Settings() { return options_; }
  // For tests: readers and message boxes of their own.
  void SetServices(ScanServices services) { run_ = ScanRun(std::move(services)); }

 protected:
  void Describe(FilterInfo& info) override;
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;

 private:
  FilescanOptions options_;
  OptionTable table_;
  ScanRun run_;
};

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_FILESCAN_FILTER_H
