// orvhost export: hands the collection's items of the filter's category to an export filter.
#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

#include "host/collection.h"
#include "host/commands.h"
#include "host/filter_library.h"
#include "host/filter_run.h"
#include "host/host_document.h"
#include "host/item_conversion.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

// The records of the ItemList, whose texts the host made and releases.
class ItemRecords {
 public:
  ~ItemRecords() {
    for (MediaItem& item : records_) ReleaseItemTexts(item);
  }
  bool Add(const StoredItem& stored) {
    MediaItem item;
    if (!ToMediaItem(stored, item)) return false;
    records_.push_back(item);
    return true;
  }
  ItemList List() {
    ItemList list{};
    list.items = records_.empty() ? nullptr : records_.data();
    list.count = static_cast<int32_t>(records_.size());
    return list;
  }

 private:
  std::vector<MediaItem> records_;
};

}  // namespace

int RunExport(const Command& command) {
  RunContext context;
  if (const int status = OpenRunContext(command, context); status != kExitOk) return status;
  FilterLibrary& library = context.library;
  const std::string& databasePath = context.databasePath;
  Collection& collection = *context.collection;
  std::string error;

  Transcript transcript(command.trace, stdout);
  FilterRun run(library.functions(), transcript);
  run.Configure(0);
  const FilterInfo info = run.GetInfo();
  if (!info.isExport) return Fail(kExitUsage, library.name() + " is an import filter: use import");

  std::vector<StoredItem> stored;
  if (!collection.Items(info.category, stored, error)) return Fail(kExitUnavailable, error);
  if (stored.size() > static_cast<size_t>(INT32_MAX)) {
    return Fail(kExitUnavailable, "too many items for one export");
  }
  ItemRecords records;
  for (const StoredItem& item : stored) {
    // Headings and link items give the collection its shape; they are not items to export.
    if (IsHeadingOrLink(item.itemKind)) continue;
    if (!records.Add(item)) return Fail(kExitUnavailable, "out of memory making item records");
  }
  ItemList items = records.List();

  HostDocumentHolder document(collection.Settings(), databasePath, info.category);
  const std::string output = AbsolutePath(command.path);
  const RunOutcome outcome = run.Run(text::Utf8ToUser(output), document.get(), &items,
                                     [](const StoredItem&) { return true; });
  if (outcome == RunOutcome::kOpenFailed) {
    return Fail(kExitOpenFailed, library.name() + " could not open " + command.path);
  }
  if (outcome == RunOutcome::kStopped) return Fail(kExitUnavailable, "the run was stopped");
  if (!command.trace) {
    std::printf("%d item(s) of category %d handed to %s; output: %s\n", items.count,
                static_cast<int>(info.category), library.name().c_str(), output.c_str());
  }
  return kExitOk;
}

}  // namespace orv::host
