// Configure through the filter glue: option storage in the profile, the options dialog answered
// from an answers file, and the guarantees of the exported operation table.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "contract/filter.h"
#include "contract/option_meanings.h"
#include "contract/options_dialog.h"
#include "platform/option_record.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

class SampleFilter : public Filter {
 public:
  int32_t check = 0, radio = 0, combo = 0;
  std::string edit, time;
  int throwsLeft = 0;

  int32_t Open(const char*, HostDocument*, ItemList*) override { return 1; }
  int32_t Close() override { return 1; }
  int32_t GetCount() override { return 0; }
  int32_t ProcessItem(MediaItem&, int32_t& itemKind) override {
    if (throwsLeft > 0) {
      --throwsLeft;
      itemKind = 3;
      throw std::runtime_error("broken source entry");
    }
    itemKind = 1;
    return 1;
  }

 protected:
  void Describe(FilterInfo& info) override {
    info.category = 2;
    info.sourceKind = 2;
    info.isExport = 0;
  }
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override {
    struct Dialog : OptionsDialog {
      using OptionsDialog::OptionsDialog;
      void Prepare(ui::DialogModel& model) override {
        model.SetItems(1005, {"Un", "Deux", "Trois"});
      }
    };
    return std::make_unique<Dialog>(table_);
  }

 private:
  OptionTable table_ = {
      IntOption("Check", &check, 1, OptionControl::kCheckBox, 1001),
      IntOption("Radio", &radio, 2, OptionControl::kRadio, 1002, 3),
      IntOption("Combo", &combo, 1, OptionControl::kComboBox, 1005),
      TextOption("Edit", &edit, "défaut", OptionControl::kEdit, 1006),
      TextOption("Time", &time, "01:30:00", OptionControl::kTime, 1007),
  };
};

class ConfigureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("orv_configure_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    setenv("ORVHOST_CONFIG_DIR", root_.c_str(), 1);
    unsetenv("ORVHOST_ANSWERS");
  }
  void TearDown() override {
    unsetenv("ORVHOST_ANSWERS");
    fs::remove_all(root_);
  }
  void Answer(const std::string& lines) {
    const fs::path file = root_ / "answers.txt";
    std::ofstream(file) << lines;
    setenv("ORVHOST_ANSWERS", file.c_str(), 1);
  }
  std::vector<platform::ProfileValue> Stored(const SampleFilter& filter) {
    return platform::ListProfileValues(filter.OptionStore());
  }

  fs::path root_;
};

TEST_F(ConfigureTest, MissingProfileGivesEveryDefault) {
  SampleFilter filter;
  EXPECT_EQ(filter.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(filter.check, 1);
  EXPECT_EQ(filter.radio, 2);
  EXPECT_EQ(filter.combo, 1);
  EXPECT_EQ(filter.edit, "défaut");
  EXPECT_EQ(filter.time, "01:30:00");
  EXPECT_TRUE(Stored(filter).empty());
  EXPECT_EQ(filter.OptionStore().keyPath, "Software\\Kelvard\\Orvella Premium\\contracttest");
}

TEST_F(ConfigureTest, OkWritesEveryOptionEvenUnchanged) {
  SampleFilter filter;
  Answer("dialog 129 ok\n");
  EXPECT_EQ(filter.Configure("Orvella Premium", "Kelvard", 1), 1);
  EXPECT_EQ(Stored(filter).size(), 5u);

  Answer(
      "dialog 129 check 1001=0 check 1003=1 set 1005=Trois set 1006=\"mon texte\" "
      "set 1007=02:15:30 ok\n");
  EXPECT_EQ(filter.Configure("Orvella Premium", "Kelvard", 1), 1);
  SampleFilter reloaded;
  reloaded.Configure("Orvella Premium", "Kelvard", 0);
  EXPECT_EQ(reloaded.check, 0);
  EXPECT_EQ(reloaded.radio, 1);
  EXPECT_EQ(reloaded.combo, 2);
  EXPECT_EQ(reloaded.edit, "mon texte");
  EXPECT_EQ(reloaded.time, "02:15:30");
}

TEST_F(ConfigureTest, CancelWritesNothingAndKeepsTheLoadedValues) {
  SampleFilter filter;
  Answer("dialog 129 check 1001=0 set 1006=perdu cancel\n");
  EXPECT_EQ(filter.Configure("Orvella Premium", "Kelvard", 1), 0);
  EXPECT_TRUE(Stored(filter).empty());
  EXPECT_EQ(filter.check, 1);
  EXPECT_EQ(filter.edit, "défaut");
}

TEST_F(ConfigureTest, NoAnswerLeftCancels) {
  SampleFilter filter;
  Answer("");
  EXPECT_EQ(filter.Configure("Orvella Premium", "Kelvard", 1), 0);
  EXPECT_TRUE(Stored(filter).empty());
}

TEST_F(ConfigureTest, WithoutRegistryKeyOptionsGoToAnInitialisationFile) {
  SampleFilter filter;
  Answer("dialog 129 set 1006=ini ok\n");
  EXPECT_EQ(filter.Configure("orvella.ini", nullptr, 1), 1);
  EXPECT_TRUE(filter.OptionStore().useIniFile);
  EXPECT_EQ(filter.OptionStore().section, "contracttest");
  SampleFilter reloaded;
  reloaded.Configure("orvella.ini", nullptr, 0);
  EXPECT_EQ(reloaded.edit, "ini");
  // The registry location of the same profile is untouched.
  SampleFilter registry;
  registry.Configure("orvella.ini", "Kelvard", 0);
  EXPECT_EQ(registry.edit, "défaut");
}

using Exports = FilterExports<SampleFilter>;

TEST(FilterExports, FillsTheTableAndTheInfoRecord) {
  FilterFunctions table{};
  ASSERT_EQ(Exports::Fill(&table), 1);
  EXPECT_EQ(Exports::Fill(nullptr), 0);
  FilterInfo info{};
  info.reserved = 77;
  ASSERT_EQ(table.GetInfo(&info), 1);
  EXPECT_STREQ(info.fileMask, "*.tst");
  EXPECT_STREQ(info.filterName, "Filtre d'essai éprouvé");
  EXPECT_EQ(info.category, 2);
  EXPECT_EQ(info.sourceKind, 2);
  EXPECT_EQ(info.interfaceTag, 640);
  EXPECT_EQ(info.reserved, 77);
  EXPECT_NE(info.icon, nullptr);
}

TEST_F(ConfigureTest, MeaningsAreNotedFromTheDialogOnlyWhenAHostAsks) {
  SampleFilter filter;
  filter.Configure("Orvella Premium", "Kelvard", 0);
  ASSERT_TRUE(platform::WriteProfileValues(filter.OptionStore(),
                                           {platform::ProfileValue{"Radio", true, 0, ""}}));
  const std::vector<platform::OptionMeaning> meanings = platform::RecordOptionMeanings(
      filter.OptionStore(), [&] { filter.Configure("Orvella Premium", "Kelvard", 0); });
  ASSERT_EQ(meanings.size(), 3u);
  EXPECT_EQ(meanings[0].name, "Check");
  EXPECT_EQ(meanings[0].meaning, "Cocher");
  EXPECT_EQ(meanings[1].meaning, "Premier");  // the stored position, not the default
  EXPECT_EQ(meanings[2].meaning, "Deux");     // a list without a label: its entry alone
  // The record ends with the environment as it was; outside one nothing is noted.
  EXPECT_EQ(getenv("ORVHOST_OPTION_MEANINGS"), nullptr);
  EXPECT_FALSE(platform::OptionMeaningsWanted(filter.OptionStore()));
  EXPECT_EQ(filter.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(getenv("ORVHOST_OPTION_MEANINGS"), nullptr);
}

TEST(OptionMeanings, EachControlKindSaysWhatItsOptionMeans) {
  ui::DialogModel model;
  const auto add = [&](int id, ui::ControlKind kind, const char* text) {
    ui::Control control;
    control.id = id;
    control.kind = kind;
    control.text = text;
    model.controls.push_back(control);
  };
  using K = ui::ControlKind;
  add(-1, K::kLabel, "&Son :");
  add(10, K::kComboBox, "");
  model.SetItems(10, {"Mono", "Stéréo"});
  add(-1, K::kGroupBox, "Dossier");
  add(11, K::kCheckBox, "Demander le &répertoire");
  add(12, K::kEdit, "");  // after a check box that names nothing: the frame's title
  add(13, K::kRadioButton, "Tout");
  add(14, K::kRadioButton, "Filtre :");
  add(15, K::kEdit, "");  // a radio button ending with a colon names the box after it
  add(16, K::kCheckBox, "Pierre && Fils");
  int32_t sound = 1, ask = 0, mode = 1, wrong = 7, outside = 0;
  std::string folder, filter, hidden;
  const OptionTable table = {
      IntOption("Sound", &sound, 0, OptionControl::kComboBox, 10),
      IntOption("Ask", &ask, 1, OptionControl::kCheckBox, 11),
      TextOption("Folder", &folder, "", OptionControl::kEdit, 12),
      RadioOption("Mode", &mode, 0, {13, 14}),
      IntOption("Wrong", &wrong, 0, OptionControl::kRadio, 13, 2),  // a value that chooses nothing
      TextOption("Filter", &filter, "", OptionControl::kEdit, 15),
      IntOption("Outside", &outside, 0, OptionControl::kCheckBox, 16),
      TextOption("Hidden", &hidden, "", OptionControl::kNone),
  };
  const std::vector<platform::OptionMeaning> meanings = OptionMeanings(table, model);
  std::vector<std::string> shown;
  for (const platform::OptionMeaning& meaning : meanings) {
    shown.push_back(meaning.name + "=" + meaning.meaning);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Sound=Son: Stéréo", "Ask=Demander le répertoire",
                                             "Folder=Dossier", "Mode=Filtre", "Filter=Filtre",
                                             "Outside=Pierre & Fils"}));
  EXPECT_EQ(LabelText("  Su&pport : "), "Support");
}

TEST(FilterExports, ExceptionsNeverCrossAndRepeatedFailuresEndTheRun) {
  FilterFunctions table{};
  Exports::Fill(&table);
  MediaItem item{};
  int32_t kind = 99;
  EXPECT_EQ(table.ProcessItem(&item, &kind), 1);
  EXPECT_EQ(kind, 1);

  // 15 escaped failures in a row give "nothing this call"; the 16th ends the run.
  Exports::Instance().throwsLeft = 100;
  for (int call = 1; call < 16; ++call) {
    kind = 99;
    EXPECT_EQ(table.ProcessItem(&item, &kind), 0) << call;
    EXPECT_EQ(kind, 0);
  }
  EXPECT_EQ(table.ProcessItem(&item, &kind), -1);
  // A success in between starts the count again.
  Exports::Instance().throwsLeft = 0;
  EXPECT_EQ(table.ProcessItem(&item, &kind), 1);
  Exports::Instance().throwsLeft = 1;
  EXPECT_EQ(table.ProcessItem(&item, &kind), 0);
  EXPECT_EQ(table.ProcessItem(&item, &kind), 1);
}

}  // namespace
}  // namespace orv
