#include "filescan/scan_run.h"

#include <limits>

#include "contract/filter.h"
#include "filescan/entry_analysis.h"
#include "filescan/resource_ids.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "text/format.h"

namespace orv::filescan {

bool ScanRun::Start(const std::string& root, bool subFolders) {
  entries_.clear();
  cursor_ = 0;
  const platform::FolderAccess access = platform::CheckFolder(root);
  if (access != platform::FolderAccess::kReadable) {
    // An empty run would be reported as a success with nothing stored: say why instead.
    const int reason = access == platform::FolderAccess::kMissing      ? kStringSourceMissing
                       : access == platform::FolderAccess::kNotAFolder ? kStringSourceNotFolder
                                                                       : kStringSourceUnreadable;
    const std::string message =
        text::FormatResourceText(platform::LoadResourceString(kStringSourceFailed).c_str(),
                                 root.c_str(), platform::LoadResourceString(reason).c_str());
    services_.system.showMessage(message, platform::LoadResourceString(kStringFilterName),
                                 ui::MessageButtons::kOk, ui::MessageIcon::kError);
    return false;
  }
  WalkTree(root, "*", 0, subFolders ? 0 : 1, entries_);
  return true;
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
