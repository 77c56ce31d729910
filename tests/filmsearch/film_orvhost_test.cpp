// filmsearch run by orvhost as a program, as a user runs it: the library copied beside its site
// file, the dialogs answered from an answers file, the transcript on stdout.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/process.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/host/host_run.h"
#include "tests/websearch/fake_site.h"

namespace orv::filmsearch {
namespace {

namespace fs = std::filesystem;
using host::testing::JsonField;
using host::testing::RunResult;

class FilmOrvhost : public host::testing::HostRunTest {
 protected:
  void SetUp() override {
    HostRunTest::SetUp();
    platform::SetEnvironmentValue("ORV_WEB_TIMEOUT_MS", "300");
    fs::create_directories(folder_ + "/lib");
    library_ = folder_ + "/lib/filmsearch.so";
    fs::copy_file(FILMSEARCH_LIBRARY, library_);
    SiteFile(site_.Root());
    orv::testing::ServeFilmSite(site_);
    Configure("SelFilter=CINE");
  }
  void SiteFile(const std::string& root) {
    host::testing::WriteFile(folder_ + "/lib/filmsearch.ini", orv::testing::FilmSiteFile(root));
  }
  void Configure(const std::string& setting) {
    const RunResult r = Orvhost({"configure", library_, "--set", setting});
    ASSERT_EQ(r.status, 0) << r.err;
  }
  RunResult Import(const std::string& answers) {
    host::testing::WriteFile(folder_ + "/answers.txt", answers);
    return Orvhost({"import", library_, "--collection", collection_, "--answers",
                    folder_ + "/answers.txt", "--trace"});
  }
  // The results of the ProcessItem calls: the kind for a produced item, else the result.
  static std::vector<std::string> Calls(const RunResult& run) {
    std::vector<std::string> calls;
    for (const std::string& line : run.OutLines()) {
      if (JsonField(line, "op") != "\"ProcessItem\"") continue;
      const std::string result = JsonField(line, "result");
      calls.push_back(result == "1" ? JsonField(line, "itemKind") : result);
    }
    return calls;
  }

  orv::testing::FakeSite site_;
  std::string library_;
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
  std::vector<std::string> titles;
  for (const std::string& line : run.OutLines()) {
    if (JsonField(line, "itemKind") == "257") titles.push_back(JsonField(line, "title"));
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"\"Film 1\"", "\"Film 2\"", "\"Film 3\""}));
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
  SiteFile("http://films.invalid");
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
