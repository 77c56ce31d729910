// The export filter: writes the items of one category through an HTML or XML template.
#ifndef ORV_PAGEBUILDER_PAGEBUILDER_FILTER_H
#define ORV_PAGEBUILDER_PAGEBUILDER_FILTER_H

#include <memory>

#include "contract/filter.h"
#include "pagebuilder/export_options.h"
#include "pagebuilder/export_run.h"

namespace orv::pagebuilder {

class PagebuilderFilter : public Filter {
 public:
  PagebuilderFilter();

  int32_t Open(const char* path, HostDocument* document, ItemList* items) override;
  int32_t Close() override;
  int32_t GetCount() override;
  int32_t ProcessItem(MediaItem& item, int32_t& itemKind) override;

  const ExportOptions& options() const { return options_; }

 protected:
  void Describe(FilterInfo& info) override;
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;

 private:
  ExportOptions options_;
  OptionTable table_;
  ExportRun run_;
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_PAGEBUILDER_FILTER_H
