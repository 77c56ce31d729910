#include "pagebuilder/pagebuilder_filter.h"

#include "pagebuilder/export_dialog.h"

namespace orv::pagebuilder {

PagebuilderFilter::PagebuilderFilter() : table_(MakeOptionTable(options_)) {}

void PagebuilderFilter::Describe(FilterInfo& info) {
  info.category = options_.Category();
  info.sourceKind = ORV_SOURCE_FILE;
  info.isExport = 1;
}

std::unique_ptr<ui::DialogLogic> PagebuilderFilter::MakeOptionsDialog() {
  return std::make_unique<ExportDialog>(table_);
}

int32_t PagebuilderFilter::Open(const char* path, HostDocument* document, ItemList* items) {
  return run_.Open(path ? path : "", document, items, options_.Settings()) ? 1 : 0;
}

int32_t PagebuilderFilter::Close() {
  run_.Close();
  return 1;
}

int32_t PagebuilderFilter::GetCount() { return run_.Count(); }

int32_t PagebuilderFilter::ProcessItem(MediaItem& item, int32_t& itemKind) {
  (void)item;  // the export writes the host's list, not the record it is handed
  return run_.WriteNext(itemKind);
}

}  // namespace orv::pagebuilder

ORV_EXPORT_FILTER(orv::pagebuilder::PagebuilderFilter)
