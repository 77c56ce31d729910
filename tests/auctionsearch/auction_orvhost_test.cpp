// auctionsearch run by orvhost as a program: the library beside its parameter file, the
// dialogs answered from an answers file, the transcript on stdout.
#include <gtest/gtest.h>

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
      "dialog 1001 set 1001=robot ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Calls(run), (std::vector<std::string>{"261", "128", "261", "128", "-1"}));
  EXPECT_EQ(Fields(run, "261", "price"), (std::vector<std::string>{"1.5", "1234.5"}));
  // The confirmation shows title, country and value.
  EXPECT_EQ(run.err.find("no answer left for message box"), std::string::npos) << run.err;
}

TEST_F(AuctionOrvhost, TheConfirmationText) {
  Configure("ImportLink=0");
  const RunResult run = Import("dialog 1001 set 1001=123456 check 1006=1 ok\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Titre: Marianne de gandon Pays: Lyon, France Valeur: 12.50"),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace orv::auctionsearch
