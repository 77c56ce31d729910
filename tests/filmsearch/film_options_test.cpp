// The options: dialog 129's logic on its model, Configure answered from an answers file, and
// the button that opens the site file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "contract/filter.h"
#include "filmsearch/film_options_dialog.h"
#include "filmsearch/filmsearch_filter.h"
#include "filmsearch/resource_ids.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/builders/user_text.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/platform/temp_folder.h"
#include "text/codepage.h"
#include "websearch/keyword_dialog.h"
#include "websearch/web_ids.h"

extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::filmsearch {
namespace {

using orv::testing::U;

class FilmOptionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetEnvironmentValue("ORVHOST_CONFIG_DIR", folder_ / "config");
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", "");
    site_ = folder_.Write("filmsearch.ini", orv::testing::FilmSiteFile("http://films.test"));
  }
  void TearDown() override { platform::SetEnvironmentValue("ORVHOST_ANSWERS", ""); }
  void Answer(const std::string& lines) {
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", folder_.Write("answers.txt", lines));
  }

  orv::testing::TempFolder folder_;
  std::string site_;
};

TEST_F(FilmOptionsTest, TheDialogShowsTheSitesAndTheStoredChoice) {
  FilmOptions options;
  options.selFilter = "cine";
  options.defTime = "1:00";  // too short for the picker
  options.defValue = 22;
  websearch::WebOptions web;
  web.copyImage = 2;
  const OptionTable table = MakeOptionTable(options, web);
  FilmOptionsDialog dialog(table, options, web, websearch::SiteFile(site_));
  ui::DialogModel model = ui::LoadDialogModel(129);
  ASSERT_EQ(model.id, 129);
  EXPECT_EQ(model.caption, U("Filtre d'importation Internet Vidéo"));
  dialog.OnInit(model);
  const ui::Control* list = model.Find(kIdSiteList);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->columns.size(), 2u);
  EXPECT_EQ(list->columns[0].title, "Site web");
  EXPECT_EQ(list->columns[1].width, 225);
  ASSERT_EQ(list->rows.size(), 2u);
  EXPECT_EQ(list->rows[0], (std::vector<std::string>{"CINE", U("Ciné test")}));
  EXPECT_EQ(list->selectedRows, std::vector<int>{0});
  EXPECT_TRUE(model.Find(ui::kIdOk)->enabled);
  EXPECT_EQ(options.defTime, "01:00:00");
  EXPECT_EQ(model.Find(kIdDuration)->hour, 1);
  EXPECT_EQ(model.Text(kIdValue), "22");
  EXPECT_EQ(model.Checked(websearch::kIdCopyLink), 1);
  EXPECT_EQ(model.Checked(websearch::kIdCopyFile), 0);
  EXPECT_EQ(model.Find(kIdSupport)->items.size(), 8u);
  EXPECT_EQ(model.Selection(kIdSupport), 3);
  EXPECT_EQ(model.Selection(kIdSound), 5);
  EXPECT_EQ(model.Find(websearch::kIdEditSiteFile)->icon, 152);
  EXPECT_EQ(model.Find(websearch::kIdEditSiteFile)->tooltip,
            "Voir/Editer le fichier de description des sites");
}

TEST_F(FilmOptionsTest, OkWaitsForASiteAndStoresItUpperCased) {
  FilmOptions options;
  websearch::WebOptions web;
  const OptionTable table = MakeOptionTable(options, web);
  FilmOptionsDialog dialog(table, options, web, websearch::SiteFile(site_));
  ui::DialogModel model = ui::LoadDialogModel(129);
  dialog.OnInit(model);
  EXPECT_FALSE(model.Find(ui::kIdOk)->enabled);
  model.Find(kIdSiteList)->selectedRows = {1};
  dialog.OnSelectionChange(model, kIdSiteList);
  EXPECT_TRUE(model.Find(ui::kIdOk)->enabled);
  EXPECT_TRUE(dialog.OnDoubleClick(model, kIdSiteList));
  model.CheckRadio(websearch::kIdCopyNone);
  model.SetText(kIdValue, "abc");
  EXPECT_FALSE(dialog.OnOk(model)) << "the value box takes a number";
  model.SetText(kIdValue, " 30 ");
  ASSERT_TRUE(dialog.OnOk(model));
  EXPECT_EQ(options.selFilter, "SANS DESCRIPTION");
  EXPECT_EQ(options.defValue, 30);
  EXPECT_EQ(web.copyImage, 0);
}

TEST_F(FilmOptionsTest, ConfigureOkStoresEveryOptionAndCancelNone) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  FilmSearchFilter& filter = FilterExports<FilmSearchFilter>::Instance();
  filter.UseSiteFile(site_);
  Answer("dialog 129 select 1004=0 cancel\n");
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 0);
  EXPECT_TRUE(platform::ListProfileValues(filter.OptionStore()).empty());
  Answer("dialog 129 select 1004=0 set 1010=K7 check 1014=1 check 1006=1 ok\n");
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 1);
  EXPECT_EQ(platform::ListProfileValues(filter.OptionStore()).size(), 12u);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(filter.Settings().selFilter, "CINE");
  EXPECT_EQ(filter.Settings().defVideo, 1);
  EXPECT_EQ(filter.Web().copyImage, 2);
  EXPECT_EQ(filter.Web().debugMode, 1);
  EXPECT_EQ(platform::ReadProfileInt(filter.OptionStore(), "DefValue"), 15);

  FilterInfo info{};
  ASSERT_EQ(table.GetInfo(&info), 1);
  EXPECT_STREQ(info.fileMask, "*.htm;*.html;*.asp;*.php");
  EXPECT_EQ(info.description,
            std::string("Page de recherche serveur web (*.htm;*.html;*.asp;*.php)"));
  EXPECT_EQ(info.filterName, U("Filtre d'import Vidéo via Internet"));
  EXPECT_EQ(info.category, 1);
  EXPECT_EQ(info.sourceKind, 2);
  EXPECT_EQ(info.isExport, 0);
  EXPECT_NE(info.icon, nullptr);
}

TEST_F(FilmOptionsTest, TheEditButtonOpensTheUsersCopyOfTheSiteFileOrSaysItIsMissing) {
  const std::string seen = folder_ / "seen.txt";
  const std::string editor =
      folder_.Write("editor.sh", "#!/bin/sh\nprintf '%s' \"$1\" > '" + seen + "'\n");
  std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
  platform::SetEnvironmentValue("VISUAL", editor);
  FilmOptions options;
  websearch::WebOptions web;
  const OptionTable table = MakeOptionTable(options, web);
  ui::DialogModel model = ui::LoadDialogModel(129);
  FilmOptionsDialog present(table, options, web, websearch::SiteFile(site_));
  present.OnInit(model);
  present.OnCommand(model, websearch::kIdEditSiteFile);
  // The editor gets the user's own copy, which the filter reads from then on.
  const std::string own = folder_ / "config/filmsearch.ini";
  EXPECT_EQ(orv::testing::ReadFile(seen), own);
  EXPECT_EQ(orv::testing::ReadFile(own), orv::testing::ReadFile(site_));

  // The message names the missing file; its answer is taken from the answers file.
  Answer("msgbox ok\ndialog 1001 cancel\n");
  FilmOptionsDialog missing(table, options, web, websearch::SiteFile(folder_ / "absent.ini"));
  missing.OnCommand(model, websearch::kIdEditSiteFile);
  platform::SetEnvironmentValue("VISUAL", "");
  // The message box took the first line: the next interaction gets the second.
  websearch::KeywordDialog after;
  EXPECT_EQ(ui::RunModalDialog(websearch::kDialogKeywords, after), ui::DialogResult::kCancel);
}

}  // namespace
}  // namespace orv::filmsearch
