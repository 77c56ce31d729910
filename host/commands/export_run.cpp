// orvhost export: hands the collection's items of the filter's category to an export filter.
#include <chrono>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "host/collection/collection.h"
#include "host/commands/commands.h"
#include "host/filter/filter_library.h"
#include "host/filter/filter_options.h"
#include "host/filter/filter_run.h"
#include "host/filter/host_document.h"
#include "host/filter/item_conversion.h"
#include "host/filter/run_summary.h"
#include "platform/interrupt.h"
#include "platform/profile.h"
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
    if (!ToMediaItem(stored, item, records_.empty() ? nullptr : &records_.back())) return false;
    records_.push_back(item);
    return true;
  }
  size_t Size() const { return records_.size(); }
  ItemList List() {
    ItemList list{};
    list.items = records_.empty() ? nullptr : records_.data();
    list.count = static_cast<int32_t>(records_.size());
    return list;
  }

 private:
  std::vector<MediaItem> records_;
};

// What the host can tell of an export Open refused: a filter that reads its page from a template
// fails without one it can read.
std::string TemplateCause(FilterLibrary& library, const std::string& filter) {
  Transcript quiet(false, stdout);
  FilterRun run(library.functions(), quiet);
  const FilterOptions options =
      DiscoverOptions(platform::OptionLocation(kProfileName, kRegistryKey, library.name()),
                      [&] { run.Configure(0); });
  for (const FilterOption& option : options.options) {
    if (option.name != "Template" || !option.read) continue;
    const platform::ProfileValue& value = option.stored ? *option.stored : option.byDefault;
    const std::string file = text::UserToUtf8(value.text);
    if (value.isInteger || file.empty()) {
      return "its Template option is empty (orvhost configure " + filter +
             " --set Template=FILE)";
    }
    std::ifstream in(std::filesystem::u8path(file), std::ios::binary);
    if (!in) {
      const int why = errno;
      return "its template " + file + " cannot be read (" +
             (why ? std::string(std::strerror(why)) : std::string("cannot open")) + ")";
    }
  }
  return "";
}

}  // namespace

int RunExport(const Command& command) {
  RunContext context;
  // An export only reads the collection.
  if (const int status = OpenRunContext(command, OpenMode::kReadOnly, context); status != kExitOk) {
    return status;
  }
  FilterLibrary& library = context.library;
  const std::string& databasePath = context.databasePath;
  Collection* collection = context.collection.get();
  std::string error;

  Transcript transcript(command.trace, stdout);
  FilterRun run(library.functions(), transcript);
  run.Configure(0);
  const FilterInfo info = run.GetInfo();
  if (!info.isExport) return Fail(kExitUsage, library.name() + " is an import filter: use import");

  // The records are made as the items are read: the collection's items are never all held twice.
  ItemRecords records;
  std::string failure;
  const auto add = [&](const StoredItem& item) {
    // Headings and link items give the collection its shape; they are not items to export.
    if (IsHeadingOrLink(item.itemKind)) return true;
    if (records.Size() >= static_cast<size_t>(INT32_MAX)) {
      failure = "too many items for one export";
    } else if (!records.Add(item)) {
      failure = "out of memory making item records";
    }
    return failure.empty();
  };
  if (collection && !collection->VisitItems(info.category, add, error)) {
    return Fail(kExitUnavailable, error);
  }
  if (!failure.empty()) return Fail(kExitUnavailable, failure);
  ItemList items = records.List();

  HostDocumentHolder document(collection ? collection->Settings() : DefaultSettings(), databasePath,
                              info.category);
  const std::string output = AbsolutePath(command.path);
  platform::CatchInterrupts();
  const auto start = std::chrono::steady_clock::now();
  const RunOutcome outcome = run.Run(text::Utf8ToUser(output), document.get(), &items,
                                     [](const StoredItem&) { return true; });
  if (outcome == RunOutcome::kOpenFailed) {
    return Fail(kExitOpenFailed,
                OpenFailure(command.filter, output, TemplateCause(library, command.filter)));
  }
  if (outcome == RunOutcome::kStopped) return Fail(kExitUnavailable, "the run was stopped");
  RunCounts counts{run.produced(), run.empty(), SecondsSince(start)};
  counts.interrupted = outcome == RunOutcome::kInterrupted;
  // With --trace standard output is the transcript, which must stay JSON lines.
  std::fprintf(command.trace ? stderr : stdout, "%s\n",
               ExportSummary(library.name(), counts, items.count, info.category, output).c_str());
  return counts.interrupted ? kExitInterrupted : kExitOk;
}

}  // namespace orv::host
