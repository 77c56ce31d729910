// filmsearch run by orvhost as a program, as a user runs it: the library copied beside its site
// file, the dialogs answered from an answers file, the transcript on stdout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/filmsearch/film_pages.h"
#include "tests/websearch/fake_site.h"
#include "tests/websearch/web_host_run.h"

namespace orv::filmsearch {
namespace {

using host::testing::RunResult;

class FilmOrvhost : public orv::testing::WebHostRun {
 protected:
  void SetUp() override {
    WebHostRun::SetUp();
    Install(FILMSEARCH_LIBRARY, orv::testing::FilmSiteFile(site_.Root()));
    orv::testing::ServeFilmSite(site_);
    Configure("SelFilter=CINE");
  }

  orv::testing::FakeSite site_;
};

TEST_F(FilmOrvhost, AListOfTwentyHitsShowsFifteen) {
  const RunResult run = Import("dialog 1001 set 1001=bleu ok\ndialog 1002 select 15 ok\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("has 15 rows; there is no row 15"), std::string::npos) << run.err;
}

TEST_F(FilmOrvhost, ThreeChosenHitsAreSixCallsWithLinksAndTheirPictures) {
  const RunResult run = Import(
      "dialog 1001 set 1001=bleu ok\ndialog 1002 select 0,1,2 ok\n"
      "msgbox yes\nmsgbox yes\nmsgbox yes\ndialog 1001 cancel\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Calls(run), (std::vector<std::string>{"257", "128", "257", "128", "257", "128", "-1"}));
  EXPECT_EQ(Fields(run, "257", "title"),
            (std::vector<std::string>{"\"Film 1\"", "\"Film 2\"", "\"Film 3\""}));
  // Downloaded into the collection's picture folder for videos.
  EXPECT_EQ(host::testing::ReadFile(folder_ + "/pictures/video/Film 2.JPG"),
            "\xFF\xD8 cover \xFF\xD9");
  EXPECT_EQ(site_.Paths().front(), "/cherche?titre=bleu");
}

TEST_F(FilmOrvhost, NothingChosenAndNothingFound) {
  site_.Serve("/cherche?titre=rien", orv::testing::Page("Aucun film ne correspond"));
  RunResult run = Import("dialog 1001 set 1001=bleu ok\ndialog 1002 cancel\ndialog 1001 cancel\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Calls(run), (std::vector<std::string>{"0", "-1"}));
  run = Import("dialog 1001 set 1001=rien ok\n");
  EXPECT_EQ(Calls(run), (std::vector<std::string>{"-1"}));
}

TEST_F(FilmOrvhost, DebugMessagesShowEachStep) {
  Configure("DebugMode=1");
  site_.Serve("/cherche?titre=deux", orv::testing::Page(orv::testing::FilmListPage(2)));
  RunResult run = Import("dialog 1001 set 1001=deux ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  // Unanswered message boxes take their default, each noted on stderr.
  for (const char* text :
       {"Search page returned (300 chars) :", "Listname=<div class=\"resultats\"> : ok",
        "item number:2 item title=Film 2 item url="}) {
    EXPECT_NE(run.err.find(text), std::string::npos) << text << "\n" << run.err;
  }
  site_.Serve("/cherche?titre=grand", orv::testing::Page(orv::testing::FullFilmPage()));
  run = Import("dialog 1001 set 1001=grand ok\n");
  EXPECT_NE(run.err.find("Balise d\xC3\xA9"
                         "but: <h1> Balise fin:</h1> Valeur Trouv\xC3\xA9"
                         "e: Le grand bleu"),
            std::string::npos)
      << run.err;
  // The confirmation, answered Yes by default.
  EXPECT_NE(run.err.find("  Titre: Le grand bleu Editeur: Gaumont Auteur: Luc Besson"),
            std::string::npos)
      << run.err;
}

TEST_F(FilmOrvhost, TheCollectionsProxyIsUsedWithItsLogin) {
  WriteSiteFile(orv::testing::FilmSiteFile("http://films.invalid"));
  const RunResult set = Orvhost({"collection", "--collection", collection_, "--proxy",
                                 "127.0.0.1:" + std::to_string(site_.Port()), "--proxy-user", "u",
                                 "--proxy-password", "secret"});
  ASSERT_EQ(set.status, 0) << set.err;
  const RunResult run = Import("dialog 1001 set 1001=bleu ok\ndialog 1002 cancel\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<orv::testing::FakeRequest> requests = site_.Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests[0].target, "http://films.invalid/cherche?titre=bleu");
  EXPECT_NE(requests[0].headers.find("Proxy-Authorization: Basic dTpzZWNyZXQ="), std::string::npos);
}

}  // namespace
}  // namespace orv::filmsearch
