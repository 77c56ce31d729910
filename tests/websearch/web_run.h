// Runs a web search filter in the test's process as the host does (Open, GetCount,
// ProcessItem until -1, Close) and keeps what each call gave.
#ifndef ORV_TESTS_WEBSEARCH_WEB_RUN_H
#define ORV_TESTS_WEBSEARCH_WEB_RUN_H

#include <cstdint>
#include <string>
#include <vector>

#include "contract/filter.h"

namespace orv::testing {

struct Call {
  int32_t result = 0;
  int32_t kind = 0;
  std::string title, type, editor, author, coauthor, lang, custom1, comment, image, length;
  int32_t year = 0, chap = 0, rating = 0, format1 = 0, format2 = 0, medium = 0, sound = 0,
          category = 0;
  float price = 0;
};

struct RunOutcome {
  int32_t open = -1;  // Open's result; no calls when it is not 1
  std::vector<Call> calls;
  // The kind of each produced item, else the call's result (0 or -1).
  std::vector<int32_t> Results() const;
};

// Every category's picture folder is `pictures`. Items start with odd numbers (-7) so that
// tests see which fields a filter wrote.
RunOutcome RunToEnd(Filter& filter, const std::string& pictures, int limit = 40);

}  // namespace orv::testing

#endif  // ORV_TESTS_WEBSEARCH_WEB_RUN_H
