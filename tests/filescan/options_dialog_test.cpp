// The options: dialog 129's logic on its model, and the filter through the exported table.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "contract/filter.h"
#include "filescan/filescan_dialog.h"
#include "filescan/filescan_filter.h"
#include "filescan/resource_ids.h"
#include "platform/profile.h"
#include "tests/builders/user_text.h"
#include "tests/filescan/scan_fixture.h"
#include "text/codepage.h"

extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::filescan {
namespace {

using namespace orv::testing;

using orv::testing::U;

bool Enabled(const ui::DialogModel& model, int id) {
  const ui::Control* control = model.Find(id);
  return control && control->enabled;
}

const int kCategoryIds[] = {kIdVideo, kIdAudio, kIdSoftware, kIdBook, kIdCollectible};

TEST(FilescanDialog, TheTemplateHoldsEveryControlWithItsCaption) {
  const ui::DialogModel model = ui::LoadDialogModel(129);
  ASSERT_EQ(model.id, 129);
  EXPECT_EQ(model.caption, U("Filtre d'importation Fichiers & Dossiers"));
  FilescanOptions options;
  for (const Option& option : MakeOptionTable(options)) {
    for (int id : option.radioIds) EXPECT_NE(model.Find(id), nullptr) << option.key << " " << id;
    EXPECT_NE(model.Find(option.controlId), nullptr) << option.key;
  }
  EXPECT_EQ(model.Find(kIdAutomaticType)->text,
            U("Déterminer automatiquement la catégorie de média en fonction du fichier"));
  EXPECT_EQ(model.Find(kIdCollectible)->text, "Collection");
  EXPECT_EQ(model.Find(kIdFilteredFiles)->text, "Filtre :");
  EXPECT_EQ(model.Find(kIdAskFolder)->text,
            U("Demander le répertoire (décocher pour utiliser ci-dessus)"));
  EXPECT_EQ(model.Find(kIdShowFormats)->kind, ui::ControlKind::kButton);
  EXPECT_EQ(model.Find(kIdBrowseFolder)->kind, ui::ControlKind::kButton);
}

TEST(FilescanDialog, RadiosEnableTheCategoriesAndTheFilter) {
  FilescanOptions options;
  const OptionTable table = MakeOptionTable(options);
  FilescanDialog dialog(table);
  ui::DialogModel model = ui::LoadDialogModel(129);
  dialog.OnInit(model);
  for (int id : kCategoryIds) EXPECT_FALSE(Enabled(model, id)) << id;
  EXPECT_FALSE(Enabled(model, kIdCreateTree));
  EXPECT_FALSE(Enabled(model, kIdFilter));
  EXPECT_TRUE(Enabled(model, kIdSubFolders));
  EXPECT_EQ(model.Find(kIdShowFormats)->icon, 152);
  EXPECT_EQ(model.Find(kIdShowFormats)->tooltip, "Voir la liste des fichiers reconnus");
  EXPECT_EQ(model.Find(kIdBrowseFolder)->icon, 151);
  EXPECT_EQ(model.Find(kIdBrowseFolder)->tooltip, U("Sélectionner un dossier par défaut"));

  model.CheckRadio(kIdForcedType);
  dialog.OnClick(model, kIdForcedType);
  for (int id : kCategoryIds) EXPECT_TRUE(Enabled(model, id)) << id;
  EXPECT_TRUE(Enabled(model, kIdCreateTree));
  model.CheckRadio(kIdFilteredFiles);
  dialog.OnClick(model, kIdFilteredFiles);
  EXPECT_TRUE(Enabled(model, kIdFilter));
  model.CheckRadio(kIdDescribedFiles);
  dialog.OnClick(model, kIdDescribedFiles);
  EXPECT_FALSE(Enabled(model, kIdFilter));
  model.CheckRadio(kIdAutomaticType);
  dialog.OnClick(model, kIdAutomaticType);
  EXPECT_FALSE(Enabled(model, kIdBook));

  // Stored choices show enabled from the start.
  options.forceType = 1;
  options.defaultType = 4;
  options.fileMode = kFilteredFiles;
  ui::DialogModel again = ui::LoadDialogModel(129);
  dialog.OnInit(again);
  EXPECT_TRUE(Enabled(again, kIdFilter));
  EXPECT_TRUE(Enabled(again, kIdCollectible));
  EXPECT_EQ(again.Checked(kIdCollectible), 1);
  EXPECT_EQ(again.Checked(kIdForcedType), 1);
  EXPECT_EQ(again.Checked(kIdAutomaticType), 0);
}

TEST(FilescanDialog, ButtonsShowTheFormatsAndBrowseForTheFolder) {
  FilescanOptions options;
  const OptionTable table = MakeOptionTable(options);
  std::string shown, browseTitle;
  ui::MessageIcon icon = ui::MessageIcon::kNone;
  DialogServices services;
  services.showMessage = [&](std::string_view text, std::string_view, ui::MessageButtons buttons,
                             ui::MessageIcon i) {
    shown = std::string(text);
    icon = i;
    EXPECT_EQ(buttons, ui::MessageButtons::kOk);
    return ui::MessageAnswer::kOk;
  };
  std::optional<std::string> chosen = "/home/zoe/Photos";
  services.askFolder = [&](std::string_view title) {
    browseTitle = std::string(title);
    return chosen;
  };
  FilescanDialog dialog(table, services);
  ui::DialogModel model = ui::LoadDialogModel(129);
  dialog.OnInit(model);
  dialog.OnCommand(model, kIdShowFormats);
  EXPECT_EQ(icon, ui::MessageIcon::kQuestion);
  EXPECT_EQ(shown.substr(0, 49), U("Liste des formats dont le contenu est reconnu :\t\n"));
  EXPECT_NE(shown.find("\nLogiciels : dll / exe / ocx"), std::string::npos);

  dialog.OnCommand(model, kIdBrowseFolder);
  EXPECT_EQ(browseTitle, U("Veuillez sélectionner le dossier à scanner par défaut."));
  EXPECT_EQ(model.Text(kIdFolder), "/home/zoe/Photos");
  chosen = std::nullopt;
  dialog.OnCommand(model, kIdBrowseFolder);
  EXPECT_EQ(model.Text(kIdFolder), "/home/zoe/Photos");

  model.SetText(kIdFilter, ".avi");
  model.SetChecked(kIdSubFolders, 0);
  model.CheckRadio(kIdForcedType);
  model.CheckRadio(kIdBook);
  ASSERT_TRUE(dialog.OnOk(model));
  EXPECT_EQ(options.folder, "/home/zoe/Photos");
  EXPECT_EQ(options.filter, ".avi");
  EXPECT_EQ(options.doSubFolder, 0);
  EXPECT_EQ(options.forceType, 1);
  EXPECT_EQ(options.defaultType, 3);
}

class ExportedTable : public ScanTest {
 protected:
  FilescanFilter& Filter() { return FilterExports<FilescanFilter>::Instance(); }
};

TEST_F(ExportedTable, InfoFollowsTheOptionsAndOpenScansTheChosenRoot) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  // The registry outlives a test run: start from the defaults whatever an earlier run left.
  FilescanOptions defaults;
  ASSERT_TRUE(SaveOptions(MakeOptionTable(defaults), Filter().OptionStore()));
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(Filter().OptionStore().keyPath, "Software\\Kelvard\\Orvella Premium\\filescan");
  FilterInfo info{};
  ASSERT_EQ(table.GetInfo(&info), 1);
  EXPECT_STREQ(info.fileMask, "*.*");
  EXPECT_STREQ(info.filterName, "Filtre d'import Fichiers & Dossiers");
  EXPECT_EQ(info.category, 1);
  EXPECT_EQ(info.sourceKind, 1);
  EXPECT_EQ(info.interfaceTag, 640);
  EXPECT_NE(info.icon, nullptr);
  EXPECT_EQ(Filter().Settings().filter, ".exe;.mp3;.jpg");

  folder_.Write("chosen/a.txt", "x");
  folder_.Write("option/b.txt", "x");
  folder_.Write("option/c.txt", "x");
  std::vector<platform::ProfileValue> values(3);
  values[0].name = "SelectDir";
  values[0].isInteger = true;
  values[1].name = "Folder";
  values[1].text = folder_ / "option";
  values[2].name = "DefaultType";
  values[2].isInteger = true;
  values[2].integer = 9;  // out of range: video
  ASSERT_TRUE(platform::WriteProfileValues(Filter().OptionStore(), values));
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  ASSERT_EQ(table.GetInfo(&info), 1);
  EXPECT_EQ(info.sourceKind, 2);
  EXPECT_EQ(info.category, 1);
  ASSERT_EQ(table.Open((folder_ / "chosen").c_str(), nullptr, nullptr), 1);
  EXPECT_EQ(table.GetCount(), 2);

  // A missing root: Open fails after a message box, and the run is empty.
  values[0].integer = 1;
  ASSERT_TRUE(platform::WriteProfileValues(Filter().OptionStore(), {values[0]}));
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  // The module's filter outlives the test: what the box records must too.
  const auto boxes = std::make_shared<int>(0);
  ScanServices services;
  services.system.showMessage = [boxes](std::string_view, std::string_view, ui::MessageButtons,
                                        ui::MessageIcon) {
    ++*boxes;
    return ui::MessageAnswer::kOk;
  };
  Filter().SetServices(std::move(services));
  ASSERT_EQ(table.Open((folder_ / "absent").c_str(), nullptr, nullptr), 0);
  EXPECT_EQ(*boxes, 1);
  EXPECT_EQ(table.GetCount(), 0);
  MediaItem item{};
  int32_t kind = 7;
  EXPECT_EQ(table.ProcessItem(&item, &kind), -1);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(table.Close(), 1);
  Filter().SetServices({});
}

}  // namespace
}  // namespace orv::filescan
