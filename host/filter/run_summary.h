// The lines an import or export ends with: one summary of the run, or why Open gave nothing.
#ifndef ORV_HOST_RUN_SUMMARY_H
#define ORV_HOST_RUN_SUMMARY_H

#include <chrono>
#include <cstdint>
#include <string>

namespace orv::host {

// What a run did: results of ProcessItem that produced an item (1) or nothing (0), and its time.
struct RunCounts {
  int64_t produced = 0;
  int64_t empty = 0;
  double seconds = 0;
  bool interrupted = false;  // the line starts with "interrupted: "
};

// What an import kept of what was produced.
struct ImportCounts {
  int64_t run = 0;
  int64_t stored = 0;        // items, links not counted
  int64_t alreadyThere = 0;  // items equal to one in the collection, not stored again
  int64_t links = 0;         // links kept with their items
};

// "3 items stored in DB (run 2); 1 already there; 1 call produced nothing; 0.02 s",
// "nothing new stored in DB: the 3 items FILTER produced were already there; …", or
// "nothing stored: …" when the run produced no item.
std::string ImportSummary(const std::string& filter, const RunCounts& counts,
                          const ImportCounts& kept, const std::string& collection);

// "3 items of category video written by FILTER to OUTPUT; …", or "nothing written: …".
std::string ExportSummary(const std::string& filter, const RunCounts& counts, int32_t handed,
                          int32_t category, const std::string& output);

// Open gave 0. `cause` is what the host found likely ("" when it knows nothing: the filter's
// messages, shown before, may say why; its options are a likely cause). `filter` is the name as
// given on the command line.
std::string OpenFailure(const std::string& filter, const std::string& path,
                        const std::string& cause = "");

// Seconds since `start`.
double SecondsSince(std::chrono::steady_clock::time_point start);

}  // namespace orv::host

#endif  // ORV_HOST_RUN_SUMMARY_H
