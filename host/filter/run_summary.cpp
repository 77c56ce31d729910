#include "host/filter/run_summary.h"

#include <cstdio>

#include "host/collection/collection_settings.h"

namespace orv::host {

namespace {

std::string Counted(int64_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "; 1 call produced nothing; 0.02 s"
std::string Tail(const RunCounts& counts) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f s", counts.seconds);
  return "; " + Counted(counts.empty, "call", "calls") + " produced nothing; " + seconds;
}

std::string OfCategory(int32_t category) {
  const std::string name = CategoryName(category);
  return "of category " + (name.empty() ? std::to_string(category) : name);
}

std::string Interrupted(const RunCounts& counts) {
  return counts.interrupted ? "interrupted: " : "";
}

}  // namespace

std::string ImportSummary(const std::string& filter, const RunCounts& counts,
                          const ImportCounts& kept, const std::string& collection) {
  const std::string head = Interrupted(counts);
  if (counts.produced == 0) {
    return head + "nothing stored: " + filter + " produced no item" + Tail(counts);
  }
  const std::string links = kept.links ? "; " + Counted(kept.links, "link kept with its item",
                                                        "links kept with their items")
                                       : "";
  if (kept.stored == 0 && kept.alreadyThere > 0) {
    return head + "nothing new stored in " + collection + ": the " +
           Counted(kept.alreadyThere, "item", "items") + " " + filter + " produced " +
           (kept.alreadyThere == 1 ? "was" : "were") + " already there" + links + Tail(counts);
  }
  std::string line = head + Counted(kept.stored, "item", "items") + " stored in " + collection +
                     " (run " + std::to_string(kept.run) + ")";
  if (kept.alreadyThere > 0) line += "; " + std::to_string(kept.alreadyThere) + " already there";
  return line + links + Tail(counts);
}

std::string ExportSummary(const std::string& filter, const RunCounts& counts, int32_t handed,
                          int32_t category, const std::string& output) {
  const std::string items = Counted(handed, "item", "items") + " " + OfCategory(category);
  const std::string head = Interrupted(counts);
  if (counts.produced == 0) {
    return head + "nothing written: " + filter + " produced no item from " + items + Tail(counts);
  }
  return head + Counted(counts.produced, "item", "items") + " " + OfCategory(category) +
         " written by " + filter + " to " + output + Tail(counts);
}

std::string OpenFailure(const std::string& filter, const std::string& path,
                        const std::string& cause) {
  const std::string what = filter + " could not open " + (path.empty() ? "its source" : path);
  if (!cause.empty()) return what + ": " + cause;
  return what + "; its options: orvhost configure " + filter + " --show";
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace orv::host
