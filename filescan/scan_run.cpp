#include "filescan/scan_run.h"

#include <limits>

#include "contract/filter.h"
#include "filescan/entry_analysis.h"
#include "filescan/resource_ids.h"
#include "platform/resources.h"
#include "text/format.h"

namespace orv::filescan {

void ScanRun::Start(const std::string& root, bool subFolders) {
  entries_.clear();
  cursor_ = 0;
  WalkTree(root, "*", 0, subFolders ? 0 : 1, entries_);
}

int32_t ScanRun::Count() const {
  constexpr auto kMax = static_cast<size_t>(std::numeric_limits<int32_t>::max());
  return static_cast<int32_t>(entries_.size() < kMax ? entries_.size() : kMax);
}

int32_t ScanRun::Next(const FilescanOptions& options, MediaItem& item, int32_t& itemKind) {
  itemKind = 0;
  if (cursor_ >= entries_.size()) return -1;
  const ScanEntry& entry = entries_[cursor_++];
  try {
    return AnalyseEntry(entry, options, services_.readers, item, itemKind);
  } catch (...) {
  }
  itemKind = 0;
  const std::string message = text::FormatResourceText(
      platform::LoadResourceString(kStringAnalysisFailed).c_str(), entry.text.c_str());
  const ui::MessageAnswer answer =
      services_.system.showMessage(message, platform::LoadResourceString(kStringFilterName),
                                   ui::MessageButtons::kYesNo, ui::MessageIcon::kExclamation);
  return answer == ui::MessageAnswer::kYes ? 0 : -1;
}

}  // namespace orv::filescan
