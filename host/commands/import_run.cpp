// orvhost import: runs an import filter and files every produced item in the collection, as one
// recorded run.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <system_error>

#include "host/collection/collection.h"
#include "host/commands/commands.h"
#include "host/filter/filter_library.h"
#include "host/filter/filter_run.h"
#include "host/filter/host_document.h"
#include "host/collection/import_store.h"
#include "host/filter/run_summary.h"
#include "platform/interrupt.h"
#include "platform/process.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

std::string NowUtc() {
  const std::time_t now = std::time(nullptr);
  char text[32] = "";
  if (const std::tm* utc = std::gmtime(&now)) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", utc);
  }
  return text;
}

const char* Ending(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kDone:
      return "done";
    case RunOutcome::kOpenFailed:
      return "open failed";
    case RunOutcome::kStopped:
      return "stopped";
    case RunOutcome::kInterrupted:
      return "interrupted";
  }
  return "";
}

// What the host can tell of a source Open refused: that it is not there.
std::string SourceCause(const std::string& utf8Path) {
  std::error_code code;
  if (utf8Path.empty() || std::filesystem::exists(std::filesystem::u8path(utf8Path), code)) {
    return "";
  }
  return "it does not exist";
}

}  // namespace

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
  const std::string source = command.path.empty() ? std::string() : AbsolutePath(command.path);
  const std::string path = text::Utf8ToUser(source);

  std::string error;
  RunRecord record;
  record.started = NowUtc();
  record.filter = library.name();
  record.source = source;
  if (!collection.BeginRun(record, error)) {
    return Fail(kExitUnavailable, "the collection cannot record the import: " + error);
  }
  HostDocumentHolder document(collection.Settings(), databasePath, info.category);
  ItemList items{};
  ImportStore store(collection, record.id, command.keepDuplicates);
  std::string storeError;
  platform::CatchInterrupts();
  const auto start = std::chrono::steady_clock::now();
  const RunOutcome outcome = run.Run(path, document.get(), &items, [&](const StoredItem& item) {
    return store.Take(item, storeError);
  });
  record.stored = store.stored();
  record.ending = Ending(outcome);
  // The run's last items are saved before its end is recorded: a store that cannot save them
  // has lost them, and the run is no success whatever the filter did.
  std::string saveError;
  const bool saved = collection.SaveStoredItems(saveError);
  if (!saved) record.ending = Ending(RunOutcome::kStopped);
  // The items are kept whatever becomes of this record: its failure is only said.
  if (!collection.EndRun(record, error)) {
    std::fprintf(stderr, "orvhost: the end of run %lld was not recorded: %s\n",
                 static_cast<long long>(record.id), error.c_str());
  }
  if (!saved) {
    return Fail(kExitUnavailable, "the collection could not keep the run's last items: " +
                                      saveError + "; the items saved before them are kept");
  }
  if (outcome == RunOutcome::kOpenFailed) {
    return Fail(kExitOpenFailed, OpenFailure(command.filter, source, SourceCause(source)));
  }
  if (outcome == RunOutcome::kStopped) {
    return Fail(kExitUnavailable, "the collection could not keep an item" +
                                      (storeError.empty() ? std::string() : ": " + storeError) +
                                      "; the items saved before it are kept");
  }
  RunCounts counts{run.produced(), run.empty(), SecondsSince(start)};
  counts.interrupted = outcome == RunOutcome::kInterrupted;
  const ImportCounts kept{record.id, store.stored(), store.alreadyThere(), store.links()};
  // With --trace standard output is the transcript, which must stay JSON lines.
  std::fprintf(command.trace ? stderr : stdout, "%s\n",
               ImportSummary(library.name(), counts, kept, databasePath).c_str());
  return counts.interrupted ? kExitInterrupted : kExitOk;
}

}  // namespace orv::host
