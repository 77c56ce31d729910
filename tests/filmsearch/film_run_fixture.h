// In-process runs of filmsearch against the fake film site: the site file in a scratch folder,
// the dialogs answered from an answers file, the host's records built here.
#ifndef ORV_TESTS_FILMSEARCH_FILM_RUN_FIXTURE_H
#define ORV_TESTS_FILMSEARCH_FILM_RUN_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contract/abi.h"
#include "filmsearch/filmsearch_filter.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/platform/temp_folder.h"
#include "tests/websearch/fake_site.h"
#include "tests/websearch/web_run.h"

namespace orv::filmsearch::testing {

using orv::testing::Call;

class FilmRun : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes the answers file the run's dialogs and message boxes take their answers from.
  void Answer(const std::string& lines);
  // Open, then ProcessItem until -1 (at most `limit` calls), then Close.
  std::vector<Call> RunAll(int limit = 40);
  static std::vector<int32_t> Results(const std::vector<Call>& calls);

  std::string Pictures() const { return folder_ / "pictures"; }

  orv::testing::TempFolder folder_;
  orv::testing::FakeSite site_;
  FilmSearchFilter filter_;
  int32_t openResult_ = -1;
};

}  // namespace orv::filmsearch::testing

#endif  // ORV_TESTS_FILMSEARCH_FILM_RUN_FIXTURE_H
