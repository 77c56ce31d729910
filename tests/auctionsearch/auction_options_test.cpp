// The options and the keyword dialog of the auction flavour, on their models.
#include "auctionsearch/auction_options.h"

#include <gtest/gtest.h>

#include <string>

#include "auctionsearch/auction_keyword_dialog.h"
#include "auctionsearch/auctionsearch_filter.h"
#include "auctionsearch/resource_ids.h"
#include "contract/filter.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/auctionsearch/auction_pages.h"
#include "tests/builders/user_text.h"
#include "tests/platform/temp_folder.h"
#include "text/codepage.h"
#include "websearch/web_ids.h"

extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::auctionsearch {
namespace {

using orv::testing::U;

class AuctionDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
    parameters_ = folder_.Write("auctionsearch.ini", orv::testing::AuctionParameterFile());
  }
  void TearDown() override { platform::SetEnvironmentValue("ORVHOST_ANSWERS", ""); }
  orv::testing::TempFolder folder_;
  std::string parameters_;
};

TEST_F(AuctionDialogs, KeywordDialogListsStartWithNothingChosen) {
  AuctionKeywordDialog dialog(websearch::SiteFile(parameters_), true);
  ui::DialogModel model = ui::LoadDialogModel(1001);
  ASSERT_EQ(model.id, 1001);
  EXPECT_EQ(model.caption, "Filtre d'import d'objets eBay via Internet");
  dialog.OnInit(model);
  EXPECT_EQ(model.Find(kIdCategory)->items,
            (std::vector<std::string>{"Timbres", "Monnaies", "error"}));
  EXPECT_EQ(model.Selection(kIdCategory), -1);
  EXPECT_EQ(model.Find(kIdSort)->items.size(), 2u);
  EXPECT_EQ(model.Selection(kIdSort), -1);
  EXPECT_EQ(model.Checked(kIdTitlesBox), 1);
  EXPECT_EQ(model.Checked(kIdByKeywords), 1);
  model.SetText(websearch::kIdKeywords, "  110023 ");
  model.CheckRadio(kIdByNumber);
  model.SetChecked(kIdTitlesBox, 0);
  model.Select(kIdSort, 0);
  ASSERT_TRUE(dialog.OnOk(model));
  EXPECT_EQ(dialog.Query().keywords, "110023");
  EXPECT_TRUE(dialog.Query().byNumber);
  EXPECT_FALSE(dialog.Query().titlesAndDescriptions);
  EXPECT_EQ(dialog.Query().category, "");
  EXPECT_EQ(dialog.Query().sort, "tri=1&");
}

TEST_F(AuctionDialogs, OptionsDialogAndConfigure) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  AuctionSearchFilter& filter = FilterExports<AuctionSearchFilter>::Instance();
  filter.UseSiteFile(parameters_);
  platform::SetEnvironmentValue("ORVHOST_ANSWERS",
                                folder_.Write("a.txt",
                                              "dialog 129 set 1003=x ok\n"
                                              "dialog 129 set 1003=3 set 1001=enchere.test "
                                              "check 1007=1 check 1009=1 ok\n"));
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 1);
  EXPECT_EQ(platform::ListProfileValues(filter.OptionStore()).size(), 8u);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(filter.Settings().maxResults, 3);
  EXPECT_EQ(filter.Settings().webRoot, "enchere.test");
  EXPECT_EQ(filter.Settings().titlesAndDesc, 1);
  EXPECT_EQ(filter.Web().copyImage, 1);

  FilterInfo info{};
  ASSERT_EQ(table.GetInfo(&info), 1);
  EXPECT_STREQ(info.filterName, "Filtre d'import d'objets Ebay");
  EXPECT_EQ(info.category, 5);
  EXPECT_EQ(info.sourceKind, 2);
  EXPECT_NE(info.icon, nullptr);

  // The options dialog starts from what was stored.
  AuctionOptions options = filter.Settings();
  websearch::WebOptions web = filter.Web();
  const OptionTable optionTable = MakeOptionTable(options, web);
  websearch::WebOptionsDialog dialog(optionTable, web, websearch::SiteFile(parameters_),
                                     kIdMaxResults, options.maxResults);
  ui::DialogModel model = ui::LoadDialogModel(129);
  dialog.OnInit(model);
  EXPECT_EQ(model.Text(kIdMaxResults), "3");
  EXPECT_EQ(model.Text(kIdWebRoot), "enchere.test");
  EXPECT_EQ(model.Checked(websearch::kIdCopyFile), 1);
  EXPECT_EQ(model.Find(websearch::kIdEditSiteFile)->tooltip,
            U("Voir/Editer le fichier de paramétrage eBay"));
}

TEST_F(AuctionDialogs, AMissingParameterFileIsSaidWhenTheKeywordDialogStarts) {
  platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("a.txt", "msgbox ok\n"));
  AuctionKeywordDialog dialog(websearch::SiteFile(folder_ / "absent.ini"), false);
  ui::DialogModel model = ui::LoadDialogModel(1001);
  dialog.OnInit(model);
  EXPECT_TRUE(model.Find(kIdCategory)->items.empty());
  // The message took the answer: none is left for a second one.
  websearch::KeywordDialog next;
  EXPECT_EQ(ui::RunModalDialog(websearch::kDialogKeywords, next), ui::DialogResult::kCancel);
}

}  // namespace
}  // namespace orv::auctionsearch
