#include "tests/filmsearch/film_run_fixture.h"

#include "platform/process.h"

namespace orv::filmsearch::testing {

void FilmRun::SetUp() {
  platform::SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "300");
  platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
  platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
  folder_.MakeFolder("pictures");
  filter_.UseSiteFile(folder_.Write("filmsearch.ini", orv::testing::FilmSiteFile(site_.Root())));
  filter_.Settings().selFilter = "CINE";
  orv::testing::ServeFilmSite(site_);
}

void FilmRun::TearDown() { platform::SetEnvironmentValue("ORVHOST_ANSWERS", ""); }

void FilmRun::Answer(const std::string& lines) {
  platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("answers.txt", lines));
}

std::vector<Call> FilmRun::RunAll(int limit) {
  const orv::testing::RunOutcome outcome = orv::testing::RunToEnd(filter_, Pictures(), limit);
  openResult_ = outcome.open;
  return outcome.calls;
}

std::vector<int32_t> FilmRun::Results(const std::vector<Call>& calls) {
  orv::testing::RunOutcome outcome;
  outcome.calls = calls;
  return outcome.Results();
}

}  // namespace orv::filmsearch::testing
