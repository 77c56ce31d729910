#include "filescan/filescan_filter.h"

#include "filescan/filescan_dialog.h"

namespace orv::filescan {

FilescanFilter::FilescanFilter() : table_(MakeOptionTable(options_)) {}

void FilescanFilter::Describe(FilterInfo& info) {
  info.category = options_.Category();
  info.sourceKind = options_.selectDir != 0 ? ORV_SOURCE_FOLDER : ORV_SOURCE_NONE;
  info.isExport = 0;
}

std::unique_ptr<ui::DialogLogic> FilescanFilter::MakeOptionsDialog() {
  return std::make_unique<FilescanDialog>(table_);
}

int32_t FilescanFilter::Open(const char* path, HostDocument* document, ItemList* items) {
  (void)document;
  (void)items;
  const std::string root =
      options_.selectDir != 0 ? std::string(path ? path : "") : options_.folder;
  return run_.Start(root, options_.doSubFolder != 0) ? 1 : 0;
}

int32_t FilescanFilter::Close() { return 1; }

int32_t FilescanFilter::GetCount() { return run_.Count(); }

int32_t FilescanFilter::ProcessItem(MediaItem& item, int32_t& itemKind) {
  return run_.Next(options_, item, itemKind);
}

}  // namespace orv::filescan
