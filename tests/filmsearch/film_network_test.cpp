// What the faults of a film site do to the run: an error status, a cut transfer, silence, a
// connection closed at once, garbage, a page that never ends, a slow drip. Each page is tried
// six times in all, then the run ends (-1) without a message, also in the middle of a queue;
// every attempt is bounded by the web client (the idle time of 300 ms here, the whole page in
// four times that, 32 MiB), so the run ends well within the ceiling.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "tests/filmsearch/film_run_fixture.h"

namespace orv::filmsearch::testing {
namespace {

using orv::testing::FakeResponse;
using orv::testing::Page;

constexpr auto kCeiling = std::chrono::seconds(120);

FakeResponse Faulty(FakeResponse::Fault fault) {
  FakeResponse response = Page(orv::testing::FilmListPage(3));
  response.fault = fault;
  return response;
}

TEST_F(FilmRun, FailedPagesAreTriedSixTimesThenEndTheRun) {
  FakeResponse broken = Page("<div class=\"fiche\"><h1>Erreur</h1></div>");
  broken.status = 500;
  site_.Serve("/cherche?titre=panne", broken);
  site_.Serve("/cherche?titre=coupe", Faulty(FakeResponse::Fault::kCut));
  site_.Serve("/cherche?titre=bloque", Faulty(FakeResponse::Fault::kStall));
  site_.Serve("/cherche?titre=fermee", Faulty(FakeResponse::Fault::kClose));
  site_.Serve("/cherche?titre=charabia", Faulty(FakeResponse::Fault::kGarbage));
  site_.Serve("/cherche?titre=goutte", Faulty(FakeResponse::Fault::kDrip));
  site_.Serve("/cherche?titre=sansfin", Faulty(FakeResponse::Fault::kEndless));
  for (const char* words :
       {"absent", "panne", "coupe", "bloque", "fermee", "charabia", "goutte", "sansfin"}) {
    const size_t before = site_.Paths().size();
    Answer(std::string("dialog 1001 set 1001=") + words + " ok\n");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1})) << words;
    EXPECT_LT(std::chrono::steady_clock::now() - start, kCeiling) << words;
    EXPECT_EQ(site_.Paths().size() - before, 6u) << words;
  }
}

TEST_F(FilmRun, AResultPageThatFailsInTheMiddleOfAQueueEndsTheRun) {
  FakeResponse broken = Page("<div class=\"fiche\"><h1>Erreur</h1></div>");
  broken.status = 500;
  site_.Serve("/film/2.html", broken);
  Answer("dialog 1001 set 1001=bleu ok\ndialog 1002 select 0,1,2 ok\nmsgbox yes\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{257, 128, -1}));
  site_.Serve("/film/2.html", Faulty(FakeResponse::Fault::kDrip));
  Answer("dialog 1001 set 1001=bleu ok\ndialog 1002 select 0,1,2 ok\nmsgbox yes\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{257, 128, -1}));
}

}  // namespace
}  // namespace orv::filmsearch::testing
