// auctionsearch run by orvhost as a program: the library beside its parameter file, the
// dialogs answered from an answers file, the transcript on stdout.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/auctionsearch/auction_pages.h"
#include "tests/websearch/fake_site.h"
#include "tests/websearch/web_host_run.h"

namespace orv::auctionsearch {
namespace {

using host::testing::RunResult;

class AuctionOrvhost : public orv::testing::WebHostRun {
 protected:
  void SetUp() override {
    WebHostRun::SetUp();
    Install(AUCTIONSEARCH_LIBRARY, orv::testing::AuctionParameterFile());
    orv::testing::ServeAuctionSite(site_);
    Configure("WebRoot=127.0.0.1:" + std::to_string(site_.Port()));
    Configure("CopyImage=0");
  }

  orv::testing::FakeSite site_;
};

TEST_F(AuctionOrvhost, MaxResultsThreeListsThreeHits) {
  Configure("MaxResults=3");
  const RunResult run = Import("dialog 1001 set 1001=timbre ok\ndialog 1002 select 3 ok\n");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("has 3 rows; there is no row 3"), std::string::npos) << run.err;
}

TEST_F(AuctionOrvhost, TwoObjectsWithTheirPricesAndLinks) {
  const RunResult run = Import(
      "dialog 1001 set 1001=timbre ok\ndialog 1002 select 0,1 ok\nmsgbox yes\nmsgbox yes\n"
      "dialog 1001 set 1001=robot ok\nmsgbox ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Calls(run), (std::vector<std::string>{"261", "128", "261", "128", "-1"}));
  EXPECT_EQ(Fields(run, "261", "price"), (std::vector<std::string>{"1.5", "1234.5"}));
  // The confirmation shows title, country and value.
  EXPECT_EQ(run.err.find("no answer left for message box"), std::string::npos) << run.err;
  // Why the last search ended is in the transcript, before the call that ended the run.
  const std::vector<std::string> lines = run.OutLines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(
      lines[lines.size() - 3].rfind("{\"op\":\"MessageBox\",\"caption\":\"Filtre d'import "
                                    "d'objets Ebay\",\"text\":\"Le site refuse les requ\xC3\xAAtes "
                                    "automatiques (page de v\xC3\xA9rification",
                                    0),
      0u)
      << run.out;
}

TEST_F(AuctionOrvhost, TheConfirmationText) {
  Configure("ImportLink=0");
  const RunResult run = Import("dialog 1001 set 1001=123456 check 1006=1 ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Titre: Marianne de gandon Pays: Lyon, France Valeur: 12.50"),
            std::string::npos)
      << run.err;
}

// orvhost check-site: the sample parameter file against the saved sample pages, as they are and
// with the hits' link marker changed.
TEST_F(AuctionOrvhost, CheckSiteOnTheSamplePages) {
  const std::string source = std::getenv("ORV_SOURCE_DIR") ? std::getenv("ORV_SOURCE_DIR") : ".";
  WriteSiteFile(host::testing::ReadFile(source + "/samples/sites/auctionsearch.ini"));
  const std::string search = source + "/samples/sites/pages/encheres-recherche.html";
  const std::string object = source + "/samples/sites/pages/encheres-objet.html";
  RunResult run = Orvhost({"check-site", library_, "--page", search, "--page", object});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("hits             2"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("-> 110023"), std::string::npos) << run.out;

  std::string page = host::testing::ReadFile(search);
  for (size_t at = page.find("s-item__link"); at != std::string::npos;
       at = page.find("s-item__link", at)) {
    page.replace(at, 12, "s-card__link");
  }
  host::testing::WriteFile(folder_ + "/changed.html", page);
  run = Orvhost({"check-site", library_, "--page", folder_ + "/changed.html", "--page", object});
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_NE(run.out.find("Item_Link        NOT FOUND <a class=\"s-item__link\" href=\""),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("error: no hit was found in the list"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace orv::auctionsearch
