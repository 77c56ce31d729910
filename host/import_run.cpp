// orvhost import: runs an import filter and files every produced item in the collection.
#include <chrono>
#include <cstdio>
#include <memory>

#include "host/collection.h"
#include "host/commands.h"
#include "host/filter_library.h"
#include "host/filter_run.h"
#include "host/host_document.h"
#include "host/run_summary.h"
#include "platform/process.h"
#include "text/codepage.h"

namespace orv::host {

int RunImport(const Command& command) {
  RunContext context;
  if (const int status = OpenRunContext(command, OpenMode::kCreateWhenMissing, context);
      status != kExitOk) {
    return status;
  }
  FilterLibrary& library = context.library;
  const std::string& databasePath = context.databasePath;
  Collection& collection = *context.collection;

  Transcript transcript(command.trace, stdout);
  // Filters add the message boxes that explain an early end.
  if (command.trace) platform::SetEnvironmentValue("ORVHOST_TRACE", "1");
  FilterRun run(library.functions(), transcript);
  run.Configure(0);
  const FilterInfo info = run.GetInfo();
  if (info.isExport) return Fail(kExitUsage, library.name() + " is an export filter: use export");
  if (command.path.empty() && info.sourceKind != ORV_SOURCE_NONE) {
    return Fail(kExitUsage, library.name() + " needs a " +
                                (info.sourceKind == ORV_SOURCE_FOLDER ? "folder" : "file") +
                                " to import from");
  }
  // Filters expect a full path, as the host always hands them one.
  const std::string path =
      command.path.empty() ? std::string() : text::Utf8ToUser(AbsolutePath(command.path));

  HostDocumentHolder document(collection.Settings(), databasePath, info.category);
  ItemList items{};
  std::string storeError;
  const auto start = std::chrono::steady_clock::now();
  const RunOutcome outcome = run.Run(path, document.get(), &items, [&](const StoredItem& item) {
    return collection.AddItem(item, storeError);
  });
  if (outcome == RunOutcome::kOpenFailed) {
    return Fail(kExitOpenFailed, OpenFailure(command.filter, text::UserToUtf8(path)));
  }
  if (outcome == RunOutcome::kStopped) {
    return Fail(kExitUnavailable, "the collection could not keep an item" +
                                      (storeError.empty() ? std::string() : ": " + storeError) +
                                      "; the items stored before it are kept");
  }
  const RunCounts counts{run.produced(), run.empty(), SecondsSince(start)};
  // With --trace standard output is the transcript, which must stay JSON lines.
  std::fprintf(command.trace ? stderr : stdout, "%s\n",
               ImportSummary(library.name(), counts, databasePath).c_str());
  return kExitOk;
}

}  // namespace orv::host
