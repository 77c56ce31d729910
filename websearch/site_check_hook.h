// The site check as the web search libraries offer it to orvhost, beside the host's contract:
// orvhost loads the filter, lets Configure load its options (the chosen site), and calls
// OrvCheckSite, which runs the library's own engine and site file and hands the report over
// one line at a time. The Windows libraries do not export it: their only export stays
// GetFunctionInfo, as the host requires.
#ifndef ORV_WEBSEARCH_SITE_CHECK_HOOK_H
#define ORV_WEBSEARCH_SITE_CHECK_HOOK_H

#include <cstdint>

#include "contract/abi.h"

extern "C" {

// One line of the report: a step (key empty) or one marker of that step. Texts are in the
// user's code page and live only during the call.
struct OrvSiteCheckLine {
  const char* step;
  const char* address;
  int32_t status;
  const char* charset;
  const char* error;
  const char* key;
  const char* marker;
  int32_t found;
  int32_t needed;
  const char* value;
};

typedef void (*OrvSiteCheckSink)(const OrvSiteCheckLine* line, void* context);

// 1 when every marker the run needs matched, 0 when not, -1 when the site file cannot be
// loaded (`sink` then hears one step line whose error says so).
typedef int32_t (*OrvCheckSiteFunction)(const char* keywords, const char* const* pages,
                                        int32_t pageCount, OrvSiteCheckSink sink, void* context);
}

#define ORV_SITE_CHECK_NAME "OrvCheckSite"

// The export of a web search library F (a WebSearchFilter).
#define ORV_EXPORT_SITE_CHECK(F)                                                                \
  extern "C" ORV_EXPORT int32_t OrvCheckSite(const char* keywords, const char* const* pages,    \
                                             int32_t pageCount, OrvSiteCheckSink sink,          \
                                             void* context) {                                   \
    return ::orv::websearch::RunSiteCheck(::orv::FilterExports<F>::Instance(), keywords, pages, \
                                          pageCount, sink, context);                            \
  }

namespace orv::websearch {
class WebSearchFilter;
int32_t RunSiteCheck(WebSearchFilter& filter, const char* keywords, const char* const* pages,
                     int32_t pageCount, OrvSiteCheckSink sink, void* context) noexcept;
}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_SITE_CHECK_HOOK_H
