// The options: their table, the dialog logic on the model of dialog 129, and what GetInfo and
// Configure make of them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "contract/list_piece.h"
#include "pagebuilder/export_dialog.h"
#include "pagebuilder/export_options.h"
#include "pagebuilder/pagebuilder_filter.h"
#include "pagebuilder/pagebuilder_ids.h"
#include "pagebuilder/template_tags.h"
#include "platform/profile.h"
#include "platform/resources.h"
#include "tests/pagebuilder/export_fixture.h"
#include "text/codepage.h"

// The filter's one export, linked in from the filter's objects.
extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::pagebuilder {
namespace {

using orv::testing::ScratchFolder;

struct Shown {
  std::string text, caption;
  ui::MessageButtons buttons;
  ui::MessageIcon icon;
};

class ExportDialogTest : public ::testing::Test {
 protected:
  ExportDialogTest() : table_(MakeOptionTable(options_)), model_(ui::LoadDialogModel(129)) {
    services_.showMessage = [this](std::string_view text, std::string_view caption,
                                   ui::MessageButtons buttons, ui::MessageIcon icon) {
      shown_.push_back({std::string(text), std::string(caption), buttons, icon});
      return ui::MessageAnswer::kOk;
    };
    services_.askOpenFile = [this](std::string_view title, std::string_view filter) {
      asked_.push_back(std::string(title) + "#" + std::string(filter));
      return answer_;
    };
    services_.askFolder = [this](std::string_view title) {
      asked_.push_back(std::string(title));
      return answer_;
    };
  }

  ExportOptions options_;
  OptionTable table_;
  ui::DialogModel model_;
  DialogServices services_;
  std::vector<Shown> shown_;
  std::vector<std::string> asked_;
  std::optional<std::string> answer_;
  ScratchFolder folder_;
};

TEST_F(ExportDialogTest, TheDialogListsEveryTagWithItsMeaning) {
  ASSERT_EQ(model_.id, 129);
  EXPECT_EQ(model_.caption, "Filtre d'exportation HTML");
  ExportDialog dialog(table_, services_);
  dialog.OnInit(model_);
  const ui::Control* list = model_.Find(kControlTagList);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->columns.size(), 2u);
  EXPECT_EQ(list->columns[0].title, "Balise");
  EXPECT_EQ(list->columns[0].width, 90);
  EXPECT_EQ(list->columns[1].title, "signification");
  EXPECT_EQ(list->columns[1].width, 120);
  ASSERT_EQ(list->rows.size(), 32u);
  EXPECT_EQ(list->rows[0],
            (std::vector<std::string>{"<!--repeat-->", text::Utf8ToUser("début de boucle")}));
  EXPECT_EQ(list->rows[8],
            (std::vector<std::string>{"<!--author-->", text::Utf8ToUser("auteur,artiste,état")}));
  EXPECT_EQ(list->rows[31], (std::vector<std::string>{"<!--headerX-->", "Nom du champ X"}));
}

TEST_F(ExportDialogTest, TheTagListIsTheTagsTheExportReplaces) {
  const std::string tags = platform::LoadResourceString(kStringTagList);
  for (int number = 1; number <= kTagCount; ++number) {
    EXPECT_EQ(GetListPiece(number, tags, "", "|", EmptyPiece::kEmptyText), TagText(number));
  }
  char header[64];
  std::snprintf(header, sizeof header, platform::LoadResourceString(kStringHeaderPattern).c_str(),
                7);
  EXPECT_EQ(header, HeaderTagText(7));
  EXPECT_EQ(
      ListPieces(platform::LoadResourceString(kStringHeaderCaptions), "|", EmptyPiece::kEmptyText)
          .size(),
      24u);
}

TEST(TagListColumns, MissingTitlesAndWidthsHaveDefaults) {
  const auto columns = TagListColumns("Balise,,abc");
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].title, "Balise");
  EXPECT_EQ(columns[0].width, 80);
  EXPECT_EQ(columns[1].title, "?");
  EXPECT_EQ(columns[1].width, 80);
  EXPECT_EQ(TagListRows("a|b|c||d", "x"),
            (std::vector<std::vector<std::string>>{{"a", "x"}, {"b", "?"}, {"c", "?"}}));
}

TEST_F(ExportDialogTest, OkIsRefusedWhileNoTemplateFileExists) {
  ExportDialog dialog(table_, services_);
  dialog.OnInit(model_);
  for (const std::string& path : {std::string(), folder_ / "absent.htm", folder_ / ""}) {
    model_.SetText(kControlTemplate, path);
    EXPECT_FALSE(dialog.OnOk(model_)) << path;
  }
  ASSERT_EQ(shown_.size(), 3u);
  EXPECT_EQ(shown_[0].text, platform::LoadResourceString(kStringTemplateMissing));
  EXPECT_EQ(shown_[0].icon, ui::MessageIcon::kExclamation);
  EXPECT_EQ(shown_[0].buttons, ui::MessageButtons::kOk);
  EXPECT_EQ(options_.templatePath, "");  // nothing taken over while refused

  const std::string path = folder_.Write("modele.htm", "x");
  model_.SetText(kControlTemplate, path);
  model_.SetRadioPosition(kControlVideo, 5, 3);
  model_.SetChecked(kControlCopyIcons, 0);
  EXPECT_TRUE(dialog.OnOk(model_));
  EXPECT_EQ(shown_.size(), 3u);
  EXPECT_EQ(options_.templatePath, path);
  EXPECT_EQ(options_.mediaType, 3);
  EXPECT_EQ(options_.copyIcon, 0);
}

TEST_F(ExportDialogTest, TheOptionsStartInTheControls) {
  options_.mediaType = 2;
  options_.copyImage = 0;
  options_.iconDir = "/icones";
  ExportDialog dialog(table_, services_);
  dialog.OnInit(model_);
  EXPECT_EQ(model_.RadioPosition(kControlVideo, 5), 2);
  EXPECT_EQ(model_.Checked(kControlCopyIcons), 1);
  EXPECT_EQ(model_.Checked(kControlCopyImages), 0);
  EXPECT_EQ(model_.Checked(kControlNamesFromTitles), 1);
  EXPECT_EQ(model_.Text(kControlIconFolder), "/icones");
}

TEST_F(ExportDialogTest, HelpAndBrowseButtons) {
  ExportDialog dialog(table_, services_);
  dialog.OnInit(model_);
  dialog.OnCommand(model_, kControlHelp);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, platform::LoadResourceString(kStringHelp));
  EXPECT_NE(shown_[0].text.find("\n\nMode fichier:"), std::string::npos);
  EXPECT_EQ(shown_[0].icon, ui::MessageIcon::kQuestion);
  EXPECT_EQ(shown_[0].buttons, ui::MessageButtons::kOk);

  answer_ = "/modeles/liste.htm";
  dialog.OnCommand(model_, kControlBrowseTemplate);
  EXPECT_EQ(model_.Text(kControlTemplate), "/modeles/liste.htm");
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0], platform::LoadResourceString(kStringTemplateTitle) + "#" +
                           text::Utf8ToUser("Modèles Web (*.htm; *.html; *.shtml; *.xml)|*.htm; "
                                            "*.html; *.shtml; *.xml|"));

  answer_ = "/icones";
  dialog.OnCommand(model_, kControlBrowseIconFolder);
  EXPECT_EQ(model_.Text(kControlIconFolder), "/icones");
  EXPECT_EQ(asked_.back(), platform::LoadResourceString(kStringIconFolderTitle));

  // Cancelled or empty answers leave the boxes as they are.
  answer_ = std::nullopt;
  dialog.OnCommand(model_, kControlBrowseTemplate);
  answer_ = "";
  dialog.OnCommand(model_, kControlBrowseIconFolder);
  EXPECT_EQ(model_.Text(kControlTemplate), "/modeles/liste.htm");
  EXPECT_EQ(model_.Text(kControlIconFolder), "/icones");
}

TEST(ExportOptions, AreReadInTheirOrderWithTheirDefaults) {
  ExportOptions options;
  const OptionTable table = MakeOptionTable(options);
  std::vector<std::string> keys;
  for (const Option& option : table) keys.push_back(option.key);
  EXPECT_EQ(keys, (std::vector<std::string>{"MediaType", "CopyIcon", "CopyImage", "Template",
                                            "IconDir", "UseFileName"}));
  EXPECT_EQ(table[0].defaultInteger, 0);
  EXPECT_EQ(table[1].defaultInteger, 1);
  EXPECT_EQ(table[2].defaultInteger, 1);
  EXPECT_EQ(table[5].defaultInteger, 1);
}

TEST(ExportOptions, TheCategoryIsMediaTypePlusOneWithinTheFiveCategories) {
  ExportOptions options;
  EXPECT_EQ(options.Category(), 1);
  options.mediaType = 4;
  EXPECT_EQ(options.Category(), 5);
  EXPECT_EQ(options.Settings().category, 5);
  for (int stray : {-1, 5, 1000}) {
    options.mediaType = stray;
    EXPECT_EQ(options.Category(), 1) << stray;
  }
}

using PagebuilderFilterTest = orv::testing::ProfileTest;

TEST_F(PagebuilderFilterTest, GetInfoDescribesTheExport) {
  PagebuilderFilter filter;
  FilterInfo info;
  std::memset(&info, 0, sizeof info);
  ASSERT_EQ(filter.GetInfo(info), 1);
  EXPECT_EQ(info.category, 1);  // before any Configure
  EXPECT_EQ(info.sourceKind, 0);
  EXPECT_EQ(info.isExport, 1);
  EXPECT_EQ(info.interfaceTag, 640);
  EXPECT_STREQ(info.fileMask, "*.htm;*.html;*.xml");
  EXPECT_STREQ(info.description, "Documents Web (.htm;.html;.xml)");
  EXPECT_STREQ(info.filterName, "Filtre d'export Html/Xml");
}

TEST_F(PagebuilderFilterTest, ConfigureLoadsTheStoredOptions) {
  PagebuilderFilter filter;
  ASSERT_EQ(filter.Configure(profile(), nullptr, 0), 1);
  EXPECT_EQ(filter.options().useFileName, 1);
  platform::WriteProfileValues(filter.OptionStore(),
                               {{"mediatype", true, 4, ""}, {"Template", false, 0, "/t.htm"}});
  ASSERT_EQ(filter.Configure(profile(), nullptr, 0), 1);
  EXPECT_EQ(filter.options().mediaType, 4);
  EXPECT_EQ(filter.options().templatePath, "/t.htm");
  FilterInfo info;
  filter.GetInfo(info);
  EXPECT_EQ(info.category, 5);
}

TEST_F(PagebuilderFilterTest, TheHostRoadThroughTheExportedTable) {
  FilterFunctions table;
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  ASSERT_EQ(table.Configure(profile(), nullptr, 0), 1);
  orv::testing::Items items;
  items.Add("Alien", 1);
  items.Add("Brazil", 1);
  MediaItem scratch;
  std::memset(&scratch, 0, sizeof scratch);
  int32_t kind = -7;
  // No template configured: Open refuses.
  EXPECT_EQ(table.Open((folder_ / "l.htm").c_str(), nullptr, items.list()), 0);
  EXPECT_EQ(table.ProcessItem(&scratch, &kind), -1);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(table.Close(), 1);

  PagebuilderFilter reader;
  reader.Configure(profile(), nullptr, 0);
  platform::WriteProfileValues(
      reader.OptionStore(),
      {{"Template", false, 0, folder_.Write("t.htm", "<!--repeat--><!--numb--><!--eor-->.")}});
  ASSERT_EQ(table.Configure(profile(), nullptr, 0), 1);
  ASSERT_EQ(table.Open((folder_ / "l.htm").c_str(), nullptr, items.list()), 1);
  EXPECT_EQ(table.GetCount(), 2);
  std::vector<std::pair<int32_t, int32_t>> calls;
  for (int i = 0; i < 3; ++i) {
    kind = -7;
    const int32_t result = table.ProcessItem(&scratch, &kind);
    calls.emplace_back(result, kind);
  }
  EXPECT_EQ(calls, (std::vector<std::pair<int32_t, int32_t>>{{1, 1}, {1, 1}, {-1, 0}}));
  EXPECT_EQ(table.Close(), 1);
  EXPECT_EQ(orv::testing::ReadFile(folder_ / "l.htm"), "12.");
}

}  // namespace
}  // namespace orv::pagebuilder
