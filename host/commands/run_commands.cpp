// orvhost runs, undo and remove: the import runs of the collection, and taking items out of it.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <set>
#include <vector>

#include "host/collection/collection.h"
#include "host/commands/commands.h"
#include "host/output/item_listing.h"
#include "host/output/terminal_text.h"
#include "platform/process.h"

namespace orv::host {

namespace {

std::string RunsTable(const std::vector<RunRecord>& runs) {
  enum { kRun, kStarted, kItems, kEnded, kFilter, kSource, kColumns };
  using Row = std::array<std::string, kColumns>;
  std::vector<Row> rows = {{"run", "started (UTC)", "items", "ended", "filter", "source"}};
  for (const RunRecord& run : runs) {
    rows.push_back({std::to_string(run.id), run.started, std::to_string(run.stored),
                    run.ending.empty() ? "-" : run.ending, Printable(run.filter),
                    run.source.empty() ? "-" : Printable(run.source)});
  }
  std::array<size_t, kColumns> widths{};
  for (const Row& row : rows) {
    for (int c = 0; c < kColumns; ++c) widths[c] = std::max(widths[c], CharacterCount(row[c]));
  }
  std::string out;
  for (const Row& row : rows) {
    std::string line;
    for (int c = 0; c < kColumns; ++c) {
      line += row[c];
      // The source is last and never cut: a path is no use in part.
      if (c + 1 < kColumns) line.append(widths[c] - CharacterCount(row[c]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

std::vector<StoredItem> ItemsOfRun(std::vector<StoredItem>& all, int64_t run) {
  std::vector<StoredItem> items;
  for (StoredItem& item : all) {
    if (item.run == run) items.push_back(std::move(item));
  }
  return items;
}

// Asks on the terminal; true for yes ("y", "yes", "o", "oui").
bool Confirmed(const std::string& question) {
  std::fprintf(stderr, "%s [y/N] ", question.c_str());
  std::fflush(stderr);
  char answer[16] = "";
  if (!std::fgets(answer, sizeof answer, stdin)) return false;
  std::string word;
  for (const char* c = answer; *c && !std::isspace(static_cast<unsigned char>(*c)); ++c) {
    word += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
  }
  return word == "y" || word == "yes" || word == "o" || word == "oui";
}

// The collection a command changes, with all its items. kExitOk, or the status after saying why.
int OpenWithItems(const Command& command, std::string& databasePath,
                  std::unique_ptr<Collection>& collection, std::vector<StoredItem>& items) {
  if (const int status =
          OpenCommandCollection(command, OpenMode::kExistingOnly, databasePath, collection);
      status != kExitOk) {
    return status;
  }
  std::string error;
  return collection->Items(std::nullopt, items, error) ? kExitOk : Fail(kExitUnavailable, error);
}

void PrintItems(const std::vector<StoredItem>& items) {
  const std::string table = ItemsAsTable(items, OutputWidth());
  std::fwrite(table.data(), 1, table.size(), stdout);
}

}  // namespace

int RunRuns(const Command& command) {
  std::string databasePath, error;
  std::unique_ptr<Collection> collection;
  if (const int status =
          OpenCommandCollection(command, OpenMode::kReadOnly, databasePath, collection);
      status != kExitOk) {
    return status;
  }
  std::vector<RunRecord> runs;
  if (collection && !collection->Runs(runs, error)) return Fail(kExitUnavailable, error);
  if (runs.empty()) {
    std::printf("no import run recorded in %s\n", databasePath.c_str());
    return kExitOk;
  }
  std::fputs(RunsTable(runs).c_str(), stdout);
  return kExitOk;
}

int RunUndo(const Command& command) {
  std::string databasePath, error;
  std::unique_ptr<Collection> collection;
  std::vector<StoredItem> all;
  if (const int status = OpenWithItems(command, databasePath, collection, all); status != kExitOk) {
    return status;
  }
  std::vector<RunRecord> runs;
  if (!collection->Runs(runs, error)) return Fail(kExitUnavailable, error);
  const RunRecord* chosen = nullptr;
  for (const RunRecord& run : runs) {
    // The run asked for; else the last one that still has items.
    if (command.numbers.empty() ? run.stored > 0 : run.id == command.numbers[0]) chosen = &run;
  }
  if (!chosen && !command.numbers.empty()) {
    return Fail(kExitUsage, "no run " + std::to_string(command.numbers[0]) + " in " +
                                databasePath + " (orvhost runs lists them)");
  }
  if (!chosen) {
    std::printf("nothing to undo: no import run has items in %s\n", databasePath.c_str());
    return kExitOk;
  }
  const std::vector<StoredItem> items = ItemsOfRun(all, chosen->id);
  const std::string run = "run " + std::to_string(chosen->id);
  std::printf("%s (%s, %s%s%s): %zu item%s to remove\n", run.c_str(), chosen->started.c_str(),
              Printable(chosen->filter).c_str(), chosen->source.empty() ? "" : " ",
              Printable(chosen->source).c_str(), items.size(), items.size() == 1 ? "" : "s");
  if (!items.empty()) PrintItems(items);
  std::fflush(stdout);
  if (!command.yes) {
    if (!platform::StandardInputIsTerminal()) {
      return Fail(kExitUsage,
                  "nothing removed: no terminal to ask on; add --yes to remove without asking");
    }
    if (!Confirmed("Remove " + run + " and its items?")) {
      std::printf("nothing removed\n");
      return kExitOk;
    }
  }
  if (!collection->RemoveRun(chosen->id, error)) {
    return Fail(kExitUnavailable, "nothing removed: " + error);
  }
  std::printf("removed %s: %zu item%s\n", run.c_str(), items.size(), items.size() == 1 ? "" : "s");
  return kExitOk;
}

int RunRemove(const Command& command) {
  std::string databasePath, error;
  std::unique_ptr<Collection> collection;
  std::vector<StoredItem> all;
  if (const int status = OpenWithItems(command, databasePath, collection, all); status != kExitOk) {
    return status;
  }
  const std::set<int64_t> wanted(command.numbers.begin(), command.numbers.end());
  std::vector<StoredItem> items;
  for (StoredItem& item : all) {
    if (wanted.count(item.order)) items.push_back(std::move(item));
  }
  if (items.size() != wanted.size()) {
    std::string missing;
    std::set<int64_t> found;
    for (const StoredItem& item : items) found.insert(item.order);
    for (const int64_t id : wanted) {
      if (!found.count(id)) missing += (missing.empty() ? "" : ", ") + std::to_string(id);
    }
    return Fail(kExitUsage, "no item " + missing + " in " + databasePath + ": nothing removed");
  }
  const std::vector<int64_t> ids(wanted.begin(), wanted.end());
  if (!collection->RemoveItems(ids, error)) return Fail(kExitUnavailable, "nothing removed: " + error);
  std::printf("removed from %s:\n", databasePath.c_str());
  PrintItems(items);
  return kExitOk;
}

}  // namespace orv::host
