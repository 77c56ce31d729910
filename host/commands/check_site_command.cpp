// orvhost check-site: the site file of a web search filter run against its site, or against
// saved pages, step by step. The check is the library's own (its engine, its site file, its
// options as Configure loads them), reached through the extra export the web search libraries
// have for it; orvhost only prints the report, as text or as JSON.
#include <cstdio>
#include <string>
#include <vector>

#include "host/commands/commands.h"
#include "host/filter/filter_library.h"
#include "host/filter/filter_run.h"
#include "host/output/json.h"
#include "host/output/terminal_text.h"
#include "text/codepage.h"
#include "websearch/site_check_hook.h"

namespace orv::host {

namespace {

struct MarkerLine {
  std::string key, marker, value;
  bool found = false, needed = false;
};

struct StepLines {
  std::string step, address, charset, error;
  int32_t status = 0;
  std::vector<MarkerLine> markers;
};

// The library's texts are in the user's code page; the report is UTF-8.
std::string Utf8(const char* user) { return text::UserToUtf8(user ? user : ""); }

void Collect(const OrvSiteCheckLine* line, void* context) {
  auto& steps = *static_cast<std::vector<StepLines>*>(context);
  if (!line) return;
  if (!line->key || !*line->key) {
    StepLines step;
    step.step = Utf8(line->step);
    step.address = Utf8(line->address);
    step.charset = Utf8(line->charset);
    step.error = Utf8(line->error);
    step.status = line->status;
    steps.push_back(std::move(step));
    return;
  }
  if (steps.empty()) steps.emplace_back();
  MarkerLine marker;
  marker.key = Utf8(line->key);
  marker.marker = Utf8(line->marker);
  marker.value = Utf8(line->value);
  marker.found = line->found != 0;
  marker.needed = line->needed != 0;
  steps.back().markers.push_back(std::move(marker));
}

void PrintText(const std::vector<StepLines>& steps, bool passed) {
  for (const StepLines& step : steps) {
    if (!step.step.empty()) {
      std::printf("%s page: %s\n", step.step.c_str(), Printable(step.address).c_str());
      std::printf("  status: %s   charset: %s\n",
                  step.status ? std::to_string(step.status).c_str() : "-",
                  step.charset.empty() ? "-" : step.charset.c_str());
    }
    for (const MarkerLine& marker : step.markers) {
      if (marker.marker.empty()) {
        std::printf("  %-16s %s\n", marker.key.c_str(), Printable(marker.value).c_str());
        continue;
      }
      const char* state = marker.found ? "found" : marker.needed ? "NOT FOUND" : "not found";
      std::printf("  %-16s %-9s %s\n", marker.key.c_str(), state, Printable(marker.marker).c_str());
      if (marker.found && !marker.value.empty()) {
        std::printf("  %-16s           -> %s\n", "",
                    Printable(CutToWidth(marker.value, 200)).c_str());
      }
    }
    if (!step.error.empty()) std::printf("  error: %s\n", Printable(step.error).c_str());
  }
  std::printf("%s\n", passed ? "every marker the search needs matched"
                             : "the site file does not match: see the lines above");
}

void PrintJson(const std::vector<StepLines>& steps, bool passed) {
  std::string list;
  for (const StepLines& step : steps) {
    std::string markers;
    for (const MarkerLine& marker : step.markers) {
      JsonObject object;
      object.Add("key", marker.key);
      if (!marker.marker.empty()) {
        object.Add("marker", marker.marker)
            .AddRaw("found", marker.found ? "true" : "false")
            .AddRaw("needed", marker.needed ? "true" : "false");
      }
      object.Add("value", marker.value);
      markers += (markers.empty() ? "" : ",") + object.Text();
    }
    JsonObject object;
    object.Add("step", step.step)
        .Add("address", step.address)
        .Add("status", step.status)
        .Add("charset", step.charset)
        .Add("error", step.error)
        .AddRaw("markers", "[" + markers + "]");
    list += (list.empty() ? "" : ",") + object.Text();
  }
  JsonObject report;
  report.AddRaw("passed", passed ? "true" : "false").AddRaw("steps", "[" + list + "]");
  std::printf("%s\n", report.Text().c_str());
}

}  // namespace

int RunCheckSite(const Command& command) {
  FilterLibrary library;
  std::string error;
  if (!library.Load(command.filter, error)) return Fail(kExitUnavailable, error);
  const auto check = reinterpret_cast<OrvCheckSiteFunction>(library.Symbol(ORV_SITE_CHECK_NAME));
  if (!check) {
    return Fail(kExitUsage, library.path() +
                                " has no site check: check-site takes a web search filter "
                                "(filmsearch, auctionsearch) of the Linux build");
  }
  // The filter loads its options (the chosen site) as for a run.
  Transcript quiet(false, stdout);
  FilterRun run(library.functions(), quiet);
  run.Configure(0);

  std::vector<const char*> pages;
  std::vector<std::string> userPages;
  for (const std::string& page : command.pages) userPages.push_back(AbsolutePath(page));
  for (const std::string& page : userPages) pages.push_back(page.c_str());
  const std::string keywords =
      text::Utf8ToUser(command.keywords.empty() ? "test" : command.keywords);
  std::vector<StepLines> steps;
  const int32_t result =
      check(keywords.c_str(), pages.data(), static_cast<int32_t>(pages.size()), &Collect, &steps);
  const bool passed = result == 1;
  if (command.json) {
    PrintJson(steps, passed);
  } else {
    PrintText(steps, passed);
  }
  return passed ? kExitOk : kExitOpenFailed;
}

}  // namespace orv::host
