#include "websearch/site_check_hook.h"

#include <string>
#include <vector>

#include "websearch/search_run.h"

namespace orv::websearch {

int32_t RunSiteCheck(WebSearchFilter& filter, const char* keywords, const char* const* pages,
                     int32_t pageCount, OrvSiteCheckSink sink, void* context) noexcept {
  try {
    std::vector<std::string> saved;
    for (int32_t n = 0; pages && n < pageCount; ++n) {
      if (pages[n]) saved.emplace_back(pages[n]);
    }
    const SiteCheck report = filter.CheckSite(keywords ? keywords : "", saved);
    if (sink) {
      OrvSiteCheckLine line{};
      if (!report.error.empty()) {
        line.step = line.address = line.charset = line.key = line.marker = line.value = "";
        line.error = report.error.c_str();
        sink(&line, context);
      }
      for (const StepCheck& step : report.steps) {
        line = OrvSiteCheckLine{};
        line.step = step.name.c_str();
        line.address = step.address.c_str();
        line.status = step.status;
        line.charset = step.charset.c_str();
        line.error = step.error.c_str();
        line.key = line.marker = line.value = "";
        sink(&line, context);
        for (const MarkerCheck& marker : step.markers) {
          line.key = marker.key.c_str();
          line.marker = marker.marker.c_str();
          line.found = marker.found ? 1 : 0;
          line.needed = marker.needed ? 1 : 0;
          line.value = marker.value.c_str();
          sink(&line, context);
        }
      }
    }
    if (!report.error.empty()) return -1;
    return report.Passed() ? 1 : 0;
  } catch (...) {
    return -1;
  }
}

}  // namespace orv::websearch
