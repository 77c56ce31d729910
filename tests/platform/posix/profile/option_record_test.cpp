// The record of the options a filter reads: noted where option tables load, kept in the
// environment every module of the process shares.
#include "platform/option_record.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "contract/options.h"
#include "tests/platform/temp_folder.h"

namespace orv::platform {
namespace {

class OptionRecordTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("ORVHOST_CONFIG_DIR", root_.Path().c_str(), 1); }
  void TearDown() override { unsetenv("ORVHOST_CONFIG_DIR"); }

  orv::testing::TempFolder root_;
  ProfileLocation where_ = OptionLocation("Orvella Premium", "Kelvard", "filmcard");
  int32_t count_ = 0, other_ = 0;
  std::string text_;
  // Defaults as awkward as a filter may have: line breaks, backslashes, a separator.
  OptionTable table_ = {
      IntOption("Count", &count_, -7),
      TextOption("Template", &text_, "a\\b\r\nc=d;e"),
      IntOption("Other", &other_, 1, OptionControl::kCheckBox, 1001),
  };
};

TEST_F(OptionRecordTest, RecordsEachOptionOnceWithItsKindAndDefaultInOrder) {
  ASSERT_TRUE(WriteProfileValues(where_, {ProfileValue{"count", true, 3, ""}}));
  const std::optional<std::vector<ProfileValue>> record = RecordOptionReads(where_, [&] {
    LoadOptions(table_, where_);
    LoadOptions(table_, where_);  // loaded again, as after a cancelled dialog
    LoadOptions({IntOption("Late", &other_, 5)}, where_);
  });
  ASSERT_TRUE(record);
  ASSERT_EQ(record->size(), 4u);
  EXPECT_EQ((*record)[0].name, "Count");
  EXPECT_TRUE((*record)[0].isInteger);
  EXPECT_EQ((*record)[0].integer, -7);  // the default, not the stored 3
  EXPECT_EQ(count_, 3);
  EXPECT_EQ((*record)[1].name, "Template");
  EXPECT_FALSE((*record)[1].isInteger);
  EXPECT_EQ((*record)[1].text, "a\\b\r\nc=d;e");
  EXPECT_EQ((*record)[2].name, "Other");
  EXPECT_EQ((*record)[3].name, "Late");
}

TEST_F(OptionRecordTest, OnlyTheLocationAskedAboutIsRecorded) {
  const ProfileLocation proxy = OptionLocation("Orvella Premium", "Kelvard", "Internet");
  const ProfileLocation shouting = OptionLocation("ORVELLA PREMIUM", "kelvard", "FILMCARD");
  const std::optional<std::vector<ProfileValue>> record = RecordOptionReads(where_, [&] {
    LoadOptions({TextOption("ProxyUrl", &text_, "")}, proxy);
    LoadOptions({IntOption("Count", &count_, 0)}, shouting);  // key paths ignore case
  });
  ASSERT_TRUE(record);
  ASSERT_EQ(record->size(), 1u);
  EXPECT_EQ((*record)[0].name, "Count");
}

TEST_F(OptionRecordTest, LoadingOutsideARecordLeavesTheEnvironmentAlone) {
  unsetenv("ORVHOST_OPTION_READS");
  LoadOptions(table_, where_);
  EXPECT_EQ(getenv("ORVHOST_OPTION_READS"), nullptr);
  // A record ends with the environment as it was, even around another one.
  setenv("ORVHOST_OPTION_READS", "outer", 1);
  ASSERT_TRUE(RecordOptionReads(where_, [&] { LoadOptions(table_, where_); }));
  EXPECT_STREQ(getenv("ORVHOST_OPTION_READS"), "outer");
  unsetenv("ORVHOST_OPTION_READS");
  // A filter that reads nothing gives an empty record, which is not "cannot record".
  const std::optional<std::vector<ProfileValue>> none = RecordOptionReads(where_, [] {});
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->empty());
}

}  // namespace
}  // namespace orv::platform
