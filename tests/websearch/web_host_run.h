// A web search filter run by orvhost as a program: the library copied into the test's folder
// beside its site file, the dialogs answered from an answers file, the transcript read back.
#ifndef ORV_TESTS_WEBSEARCH_WEB_HOST_RUN_H
#define ORV_TESTS_WEBSEARCH_WEB_HOST_RUN_H

#include <string>
#include <vector>

#include "tests/host/host_run.h"

namespace orv::testing {

class WebHostRun : public host::testing::HostRunTest {
 protected:
  // Copies `library` (a built filter) into the test's folder, with `siteFile` beside it.
  void Install(const std::string& library, const std::string& siteFile);
  void WriteSiteFile(const std::string& siteFile);
  // orvhost configure LIBRARY --set SETTING, checked.
  void Configure(const std::string& setting);
  // orvhost import LIBRARY --answers (these lines) --trace.
  host::testing::RunResult Import(const std::string& answers);
  // Per ProcessItem call of the transcript: the itemKind of a produced item, else the result.
  static std::vector<std::string> Calls(const host::testing::RunResult& run);
  // `field` of every produced item of that kind.
  static std::vector<std::string> Fields(const host::testing::RunResult& run,
                                         const std::string& kind, const std::string& field);

  std::string library_;
};

}  // namespace orv::testing

#endif  // ORV_TESTS_WEBSEARCH_WEB_HOST_RUN_H
