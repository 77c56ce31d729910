#include "tests/websearch/web_host_run.h"

#include <filesystem>

#include "platform/process.h"

namespace orv::testing {

namespace fs = std::filesystem;
using host::testing::JsonField;
using host::testing::RunResult;

void WebHostRun::Install(const std::string& library, const std::string& siteFile) {
  platform::SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "300");
  fs::create_directories(folder_ + "/lib");
  library_ = folder_ + "/lib/" + fs::path(library).filename().string();
  fs::copy_file(library, library_);
  WriteSiteFile(siteFile);
}

void WebHostRun::WriteSiteFile(const std::string& siteFile) {
  host::testing::WriteFile(fs::path(library_).replace_extension(".ini").string(), siteFile);
}

void WebHostRun::Configure(const std::string& setting) {
  const RunResult r = Orvhost({"configure", library_, "--set", setting});
  ASSERT_EQ(r.status, 0) << r.err;
}

RunResult WebHostRun::Import(const std::string& answers) {
  host::testing::WriteFile(folder_ + "/answers.txt", answers);
  return Orvhost({"import", library_, "--collection", collection_, "--answers",
                  folder_ + "/answers.txt", "--trace"});
}

std::vector<std::string> WebHostRun::Calls(const RunResult& run) {
  std::vector<std::string> calls;
  for (const std::string& line : run.OutLines()) {
    if (JsonField(line, "op") != "\"ProcessItem\"") continue;
    const std::string result = JsonField(line, "result");
    calls.push_back(result == "1" ? JsonField(line, "itemKind") : result);
  }
  return calls;
}

std::vector<std::string> WebHostRun::Fields(const RunResult& run, const std::string& kind,
                                            const std::string& field) {
  std::vector<std::string> values;
  for (const std::string& line : run.OutLines()) {
    if (JsonField(line, "op") == "\"ProcessItem\"" && JsonField(line, "itemKind") == kind) {
      values.push_back(JsonField(line, field));
    }
  }
  return values;
}

}  // namespace orv::testing
