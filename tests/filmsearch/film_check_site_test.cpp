// orvhost check-site with filmsearch: the sample site file against the saved sample pages, and
// against the same pages with one marker changed, or against the live fake site.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/filmsearch/film_pages.h"
#include "tests/websearch/fake_site.h"
#include "tests/websearch/web_host_run.h"

namespace orv::filmsearch {
namespace {

using host::testing::RunResult;

std::string Source(const std::string& path) {
  const char* source = std::getenv("ORV_SOURCE_DIR");
  return std::string(source ? source : ".") + "/" + path;
}

class FilmCheckSite : public orv::testing::WebHostRun {
 protected:
  void SetUp() override {
    WebHostRun::SetUp();
    Install(FILMSEARCH_LIBRARY, host::testing::ReadFile(Source("samples/sites/filmsearch.ini")));
    Configure("SelFilter=EXEMPLE-CINE");
    search_ = Source("samples/sites/pages/exemple-cine-recherche.html");
    result_ = Source("samples/sites/pages/exemple-cine-fiche.html");
  }
  // A copy of a saved page with every `from` replaced by `to`.
  std::string Changed(const std::string& page, const std::string& from, const std::string& to) {
    std::string text = host::testing::ReadFile(page);
    EXPECT_NE(text.find(from), std::string::npos) << from;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
      text.replace(at, from.size(), to);
      at += to.size();
    }
    const std::string path = folder_ + "/changed.html";
    host::testing::WriteFile(path, text);
    return path;
  }
  std::string search_, result_;
};

TEST_F(FilmCheckSite, TheSamplePagesMatchTheSampleSiteFile) {
  const RunResult run = Orvhost({"check-site", library_, "--page", search_, "--page", result_});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("https://www.exemple-cine.test/recherche?q=test"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("(for https://www.exemple-cine.test/film/le-grand-bleu-1988.html)"),
            std::string::npos)
      << "the result page is the first hit's";
  EXPECT_NE(run.out.find("charset: utf-8"), std::string::npos);
  EXPECT_NE(run.out.find("-> Le Grand Bleu"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("NOT FOUND"), std::string::npos) << run.out;
}

TEST_F(FilmCheckSite, OneChangedMarkerFailsTheCheckAndIsNamed) {
  RunResult run = Orvhost({"check-site", library_, "--page", search_, "--page",
                           Changed(result_, "<h1 class=\"titre\">", "<h1 class=\"title\">")});
  EXPECT_EQ(run.status, 1) << run.out << run.err;
  EXPECT_NE(run.out.find("Result_Title     NOT FOUND <h1 class=\"titre\">"), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Result_Type      found"), std::string::npos) << run.out;
  // On the search page, as JSON.
  run = Orvhost({"check-site", library_, "--json", "--page",
                 Changed(search_, "<span class=\"titre\">", "<span class=\"nom\">"), "--page",
                 result_});
  EXPECT_EQ(run.status, 1) << run.out << run.err;
  EXPECT_EQ(run.out.rfind("{\"passed\":false,", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("{\"key\":\"ListResult2\",\"marker\":\"<span class=\\\"titre\\\">\","
                         "\"found\":false,\"needed\":true"),
            std::string::npos)
      << run.out;
}

TEST_F(FilmCheckSite, TheLiveSiteIsAskedWithTheKeywords) {
  orv::testing::FakeSite site;
  orv::testing::ServeFilmSite(site);
  WriteSiteFile(orv::testing::FilmSiteFile(site.Root()));
  Configure("SelFilter=CINE");
  RunResult run = Orvhost({"check-site", library_, "--keywords", "bleu"});
  EXPECT_EQ(run.status, 1) << "the test site's result pages hold only a title: " << run.out;
  EXPECT_NE(run.out.find("search page: " + site.Root() + "/cherche?titre=bleu\n  status: 200"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("result page: " + site.Root() + "/film/1.html"), std::string::npos);
  EXPECT_NE(run.out.find("hits             15"), std::string::npos) << run.out;
  run = Orvhost({"check-site", library_, "--keywords", "introuvable"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("status: 404"), std::string::npos) << run.out;
  run = Orvhost({"check-site", library_, "--keywords", "grand"});
  EXPECT_EQ(run.status, 0) << "every marker of the full page: " << run.out;
}

}  // namespace
}  // namespace orv::filmsearch
