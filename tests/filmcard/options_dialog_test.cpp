// The options: the dialog logic on the model of dialog 129; the filter through the exported
// operation table.
#include <gtest/gtest.h>

#include <string>

#include "contract/filter.h"
#include "filmcard/filmcard_dialog.h"
#include "filmcard/filmcard_filter.h"
#include "filmcard/resource_ids.h"
#include "tests/builders/user_text.h"
#include "tests/filmcard/film_fixture.h"
#include "text/codepage.h"

extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::filmcard {
namespace {

using orv::testing::U;

TEST(OptionsDialog, TheTemplateHoldsEveryBoundControl) {
  const ui::DialogModel model = ui::LoadDialogModel(129);
  ASSERT_EQ(model.id, 129);
  EXPECT_EQ(model.caption, U("Filtre d'importation de fiches de films"));
  FilmcardOptions options;
  for (const Option& option : MakeOptionTable(options)) {
    for (int i = 0; i < std::max(1, option.radioCount); ++i) {
      EXPECT_NE(model.Find(option.controlId + i), nullptr) << option.key << " " << i;
    }
  }
  ASSERT_NE(model.Find(kIdDuration), nullptr);
  EXPECT_EQ(model.Find(kIdDuration)->kind, ui::ControlKind::kTimePicker);
  EXPECT_EQ(model.Find(kIdAllFiles)->text, U("Traiter &Tous les fichiers du répertoire"));
  EXPECT_NE(model.Find(ui::kIdOk), nullptr);
  EXPECT_NE(model.Find(ui::kIdCancel), nullptr);
}

TEST(OptionsDialog, InitFillsTheListsAndShowsTheOptions) {
  FilmcardOptions options;
  options.defTime = "2:00";  // too short to read
  options.defSound = 2;
  options.allFiles = 0;
  options.setTitle = 2;
  options.getComment = 1;
  const OptionTable table = MakeOptionTable(options);
  FilmcardDialog dialog(table, options);
  ui::DialogModel model = ui::LoadDialogModel(129);
  dialog.OnInit(model);

  EXPECT_EQ(options.defTime, "01:30:00");
  EXPECT_EQ(model.Find(kIdDuration)->hour, 1);
  EXPECT_EQ(model.Find(kIdDuration)->minute, 30);
  EXPECT_EQ(model.Find(kIdSound)->items.size(), 11u);
  EXPECT_EQ(model.Find(kIdSound)->items[1], U("Stéréo"));
  EXPECT_EQ(model.Selection(kIdSound), 2);
  EXPECT_EQ(model.Find(kIdVideoFormat)->items.size(), 6u);
  EXPECT_EQ(model.Selection(kIdVideoFormat), 0);
  EXPECT_EQ(model.Find(kIdScreenFormat)->items.size(), 4u);
  EXPECT_EQ(model.Find(kIdScreenFormat)->items[1], "Format 16/9 (1:77)");
  EXPECT_EQ(model.Selection(kIdScreenFormat), 1);
  EXPECT_EQ(model.Find(kIdSupport)->items, SupportEntries());
  EXPECT_EQ(model.Find(kIdSupport)->items.back(), U("Carte Mémoire"));
  EXPECT_EQ(model.Selection(kIdSupport), 3);
  EXPECT_EQ(model.Text(kIdValue), "0");
  EXPECT_EQ(model.RadioPosition(kIdOneFile, 2), 0);
  EXPECT_EQ(model.RadioPosition(kIdTitleFrench, 4), 2);
  EXPECT_EQ(model.Checked(kIdGetComment), 1);
  EXPECT_EQ(model.Checked(kIdCopyJpeg), 1);
  EXPECT_EQ(model.Checked(kIdUseCountry), 0);

  // A readable stored duration is shown as it is.
  options.defTime = "02:05:09";
  ui::DialogModel again = ui::LoadDialogModel(129);
  dialog.OnInit(again);
  EXPECT_EQ(again.Find(kIdDuration)->second, 9);
}

TEST(OptionsDialog, OkReadsTheControlsBack) {
  FilmcardOptions options;
  const OptionTable table = MakeOptionTable(options);
  FilmcardDialog dialog(table, options);
  ui::DialogModel model = ui::LoadDialogModel(129);
  dialog.OnInit(model);
  model.Select(kIdSupport, 7);
  model.Select(kIdSound, 0);
  model.Select(kIdVideoFormat, 2);
  model.Select(kIdScreenFormat, 3);
  model.SetText(kIdValue, "12.50");
  model.Find(kIdDuration)->hour = 2;
  model.Find(kIdDuration)->minute = 4;
  model.CheckRadio(kIdOneFile);
  model.CheckRadio(kIdTitleFrench + 3);
  model.SetChecked(kIdSetLower, 1);
  model.SetChecked(kIdCopyJpeg, 0);
  model.SetChecked(kIdUseCountry, 1);
  ASSERT_TRUE(dialog.OnOk(model));
  EXPECT_EQ(options.defSupport, 7);
  EXPECT_EQ(options.defSound, 0);
  EXPECT_EQ(options.defFormat, 2);
  EXPECT_EQ(options.defScreen, 3);
  EXPECT_EQ(options.defValue, "12.50");
  EXPECT_EQ(options.defTime, "02:04:00");
  EXPECT_EQ(options.allFiles, 0);
  EXPECT_EQ(options.setTitle, 3);
  EXPECT_EQ(options.setLower, 1);
  EXPECT_EQ(options.copyJpeg, 0);
  EXPECT_EQ(options.useCountry, 1);
  EXPECT_EQ(options.getComment, 0);
}

class ExportedTable : public testing::ScratchTest {
 protected:
  FilmcardFilter& Filter() { return FilterExports<FilmcardFilter>::Instance(); }
};

TEST_F(ExportedTable, InfoAndDefaults) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(Filter().OptionStore().keyPath, "Software\\Kelvard\\Orvella Premium\\filmcard");
  EXPECT_EQ(Filter().Settings().defSupport, 3);
  EXPECT_EQ(Filter().Settings().defTime, "01:30:00");
  EXPECT_EQ(Filter().Settings().allFiles, 1);
  FilterInfo info{};
  ASSERT_EQ(table.GetInfo(&info), 1);
  EXPECT_STREQ(info.fileMask, "*.film");
  EXPECT_STREQ(info.description, "Fiches de films (*.film)");
  EXPECT_STREQ(info.filterName, "Filtre d'import Moviecovers");
  EXPECT_EQ(info.category, 1);
  EXPECT_EQ(info.sourceKind, 0);
  EXPECT_EQ(info.isExport, 0);
  EXPECT_EQ(info.interfaceTag, 640);
  EXPECT_NE(info.icon, nullptr);
}

TEST_F(ExportedTable, ARunThroughTheTable) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  testing::WriteBytes(Cards() / "a.film", testing::CardText({"A", "", "2001"}));
  testing::WriteBytes(Cards() / "a.jpg", "affiche");
  testing::FakeDocument document(Pictures().string());
  ItemList items{};
  const std::string path = (Cards() / "a.film").string();
  ASSERT_EQ(table.Open(path.c_str(), document.get(), &items), 1);
  EXPECT_EQ(table.GetCount(), 1);
  testing::FakeItem item;
  int32_t kind = 0;
  EXPECT_EQ(table.ProcessItem(item.get(), &kind), 1);
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(item->year, 2001);
  EXPECT_EQ(StringOf(item->image), "a.jpg");
  EXPECT_EQ(table.ProcessItem(item.get(), &kind), -1);
  EXPECT_EQ(table.Close(), 1);
  EXPECT_EQ(table.Open(nullptr, document.get(), &items), 0);
  EXPECT_EQ(table.Close(), 1);
}

}  // namespace
}  // namespace orv::filmcard
