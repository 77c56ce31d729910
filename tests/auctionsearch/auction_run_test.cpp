// The auction search run against the fake auction site: addresses asked for, the hit list,
// object pages, not-found and bot-check pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "auctionsearch/auctionsearch_filter.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/process.h"
#include "tests/auctionsearch/auction_pages.h"
#include "tests/builders/user_text.h"
#include "tests/platform/temp_folder.h"
#include "tests/websearch/fake_site.h"
#include "tests/websearch/web_run.h"
#include "text/codepage.h"

namespace orv::auctionsearch {
namespace {

using orv::testing::U;

class AuctionRun : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "300");
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
    folder_.MakeFolder("pictures");
    filter_.UseSiteFile(folder_.Write("auctionsearch.ini", orv::testing::AuctionParameterFile()));
    filter_.Settings().webRoot = site_.Root().substr(7);  // host and port
    filter_.Web().copyImage = 0;
    orv::testing::ServeAuctionSite(site_);
  }
  void TearDown() override { platform::SetEnvironmentValue("ORVHOST_ANSWERS", ""); }
  void Answer(const std::string& lines) {
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("answers.txt", lines));
  }
  orv::testing::RunOutcome Run() { return orv::testing::RunToEnd(filter_, folder_ / "pictures"); }

  orv::testing::TempFolder folder_;
  orv::testing::FakeSite site_;
  AuctionSearchFilter filter_;
};

TEST_F(AuctionRun, KeywordSearchesAskForTheExactAddresses) {
  Answer(
      "dialog 1001 set 1001=\"timbre ancien\" ok\nmsgbox ok\n"
      "dialog 1001 set 1001=\"timbre ancien\" check 1008=1 ok\nmsgbox ok\n"
      "dialog 1001 set 1001=timbre check 1008=1 set 1010=Timbres set 1012=1 ok\nmsgbox ok\n"
      "dialog 1001 set 1001=\"timbre -neuf\" ok\nmsgbox ok\n"
      "dialog 1001 cancel\n");
  // None of these is served: each search page fails its nine attempts and ends the run, with
  // the message that says so.
  for (int search = 0; search < 4; ++search) {
    EXPECT_EQ(Run().Results(), (std::vector<int32_t>{-1}));
  }
  std::vector<std::string> asked;
  for (const std::string& path : site_.Paths()) {
    if (asked.empty() || asked.back() != path) asked.push_back(path);
  }
  EXPECT_EQ(site_.Paths().size(), 36u);
  EXPECT_EQ(asked, (std::vector<std::string>{
                       "/cherche?mots=timbre+ancien",
                       "/cherche?mots=timbre+ancien&titres=1&",
                       "/cherche?mots=timbre&titres=1&cat=260&tri=15&",
                       "/cherche?mots=timbre+-neuf&exacts=timbre+-neuf",
                   }));
}

TEST_F(AuctionRun, ChosenObjectsBecomeCollectiblesWithTheirLinks) {
  filter_.Web().copyImage = 1;
  Answer(
      "dialog 1001 set 1001=timbre ok\ndialog 1002 select 1,3 ok\nmsgbox yes\nmsgbox yes\n"
      "dialog 1001 cancel\n");
  const orv::testing::RunOutcome run = Run();
  EXPECT_EQ(run.Results(), (std::vector<int32_t>{261, 128, 261, 128, -1}));
  ASSERT_EQ(run.calls.size(), 5u);
  const orv::testing::Call& object = run.calls[0];
  EXPECT_EQ(object.title, "Objet 2");
  EXPECT_EQ(object.category, 5);
  EXPECT_EQ(object.medium, 5);
  EXPECT_EQ(object.chap, 1);
  EXPECT_FLOAT_EQ(object.price, 1234.5f);
  EXPECT_EQ(object.type, "Timbres > France");
  EXPECT_EQ(object.editor, U("philatélie_75"));
  EXPECT_EQ(object.author, U("Neuf sans charnière"));
  EXPECT_EQ(object.year, 1936);
  EXPECT_EQ(object.lang, "Lyon, France");
  EXPECT_EQ(object.custom1, "110023");
  EXPECT_EQ(object.comment, U("Très bel exemplaire dentelure intacte."));
  // The picture is on another host, unreachable here: the address stays.
  EXPECT_EQ(object.image, "http://images.test/Timbre.JPG");
  EXPECT_EQ(run.calls[1].type, site_.Root() + "/objet?no=2");
  EXPECT_FLOAT_EQ(run.calls[2].price, 4.5f);
  EXPECT_EQ(site_.Paths(),
            (std::vector<std::string>{"/cherche?mots=timbre", "/objet?no=2", "/objet?no=4"}));
}

TEST_F(AuctionRun, AnObjectNumberIsImportedDirectly) {
  filter_.Web().validateResult = 0;
  filter_.Web().correctCast = 1;
  Answer("dialog 1001 set 1001=123456 check 1006=1 ok\n");
  const orv::testing::RunOutcome run = Run();
  EXPECT_EQ(run.Results(), (std::vector<int32_t>{261, 128, -1}));
  ASSERT_EQ(run.calls.size(), 3u);
  EXPECT_EQ(run.calls[0].title, "Marianne de gandon");
  EXPECT_FLOAT_EQ(run.calls[0].price, 12.5f);
  EXPECT_EQ(run.calls[1].type, site_.Root() + "/objet?no=123456&vue=complete");
}

TEST_F(AuctionRun, ItemsWithoutAYearTakeTheCurrentOne) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  site_.Serve("/objet?no=5&vue=complete", orv::testing::Page("<h1 class=\"objet\">Sans date</h1>"));
  Answer("dialog 1001 set 1001=5 check 1006=1 ok\n");
  const orv::testing::RunOutcome run = Run();
  ASSERT_EQ(run.Results(), (std::vector<int32_t>{5, -1}));
  EXPECT_EQ(run.calls[0].year, platform::LocalTime(platform::Now()).tm_year + 1900);
  EXPECT_FLOAT_EQ(run.calls[0].price, 0.0f);
}

TEST_F(AuctionRun, NotFoundAndBotCheckPagesEndTheRunWithoutAnItemAndSayWhy) {
  const std::string nothing = U("aucun résultat"), refused = U("refuse les requêtes automatiques");
  const std::pair<const char*, std::string> cases[] = {
      {"dialog 1001 set 1001=rien ok\n", nothing},
      {"dialog 1001 set 1001=999 check 1006=1 ok\n", nothing},
      {"dialog 1001 set 1001=robot ok\n", refused},
      {"dialog 1001 set 1001=777 check 1006=1 ok\n", refused},
  };
  for (const auto& [answer, says] : cases) {
    Answer(std::string(answer) + "msgbox ok\n");
    EXPECT_EQ(Run().Results(), (std::vector<int32_t>{-1})) << answer;
    EXPECT_NE(filter_.LastFailure().find(says), std::string::npos) << filter_.LastFailure();
  }
  // An object's page that changed: its title's markers are gone.
  site_.Serve("/objet?no=8&vue=complete", orv::testing::Page("<h1>Objet 8</h1><p>Prix : 3</p>"));
  Answer("dialog 1001 set 1001=8 check 1006=1 ok\nmsgbox ok\n");
  EXPECT_EQ(Run().Results(), (std::vector<int32_t>{-1}));
  EXPECT_NE(filter_.LastFailure().find("Result_Title_Start \"<h1 class=\"objet\">\""),
            std::string::npos)
      << filter_.LastFailure();
  // A list whose hits no longer have their block marker.
  site_.Serve("/cherche?mots=change", orv::testing::Page("<table class=\"liste\"><tr><td>"
                                                         "Objet</td></tr></table>"));
  Answer("dialog 1001 set 1001=change ok\nmsgbox ok\n");
  EXPECT_EQ(Run().Results(), (std::vector<int32_t>{-1}));
  EXPECT_NE(filter_.LastFailure().find("Item_String_Start"), std::string::npos)
      << filter_.LastFailure();
}

// A site's faults: the search page is tried nine times in all, an object's page six, then the
// run ends without an item. Every attempt is bounded by the web client (300 ms idle, the whole
// page in four times that, 32 MiB).
TEST_F(AuctionRun, SiteFaultsCostTheirAttemptsThenEndTheRun) {
  using orv::testing::FakeResponse;
  const auto faulty = [](FakeResponse::Fault fault) {
    FakeResponse response = orv::testing::Page(std::string(5000, 'x'));
    response.fault = fault;
    return response;
  };
  // Silence costs nine idle times; the film run shows it already.
  const std::pair<const char*, FakeResponse::Fault> faults[] = {
      {"coupe", FakeResponse::Fault::kCut},
      {"fermee", FakeResponse::Fault::kClose},
      {"charabia", FakeResponse::Fault::kGarbage},
      {"goutte", FakeResponse::Fault::kDrip},
      {"sansfin", FakeResponse::Fault::kEndless}};
  for (const auto& [words, fault] : faults) {
    site_.Serve(std::string("/cherche?mots=") + words, faulty(fault));
    const size_t before = site_.Paths().size();
    Answer(std::string("dialog 1001 set 1001=") + words + " ok\n");
    EXPECT_EQ(Run().Results(), (std::vector<int32_t>{-1})) << words;
    EXPECT_EQ(site_.Paths().size() - before, 9u) << words;
  }
  site_.Serve("/objet?no=3", faulty(FakeResponse::Fault::kDrip));
  const size_t before = site_.Paths().size();
  Answer("dialog 1001 set 1001=timbre ok\ndialog 1002 select 2 ok\n");
  EXPECT_EQ(Run().Results(), (std::vector<int32_t>{-1}));
  EXPECT_EQ(site_.Paths().size() - before, 7u) << "the search page, then six attempts";
}

TEST_F(AuctionRun, TheConfirmationShowsTitleCountryAndValue) {
  filter_.Web().importLink = 0;
  Answer("dialog 1001 set 1001=timbre ok\ndialog 1002 select 0 ok\nmsgbox no\n");
  // Refused: nothing this call; the next call asks for keywords again (none left: the end).
  EXPECT_EQ(Run().Results(), (std::vector<int32_t>{0, -1}));
}

TEST_F(AuctionRun, OpenNeedsTheParameterFile) {
  filter_.UseSiteFile(folder_ / "absent.ini");
  EXPECT_EQ(Run().open, 0);
}

}  // namespace
}  // namespace orv::auctionsearch
