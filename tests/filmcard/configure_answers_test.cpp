// Configure through the exported table with the options dialog answered from an answers file,
// the way orvhost runs it on Linux.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "contract/filter.h"
#include "filmcard/filmcard_filter.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/filmcard/film_fixture.h"

extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::filmcard {
namespace {

class AnsweredConfigure : public testing::ScratchTest {
 protected:
  void Answer(const std::string& lines) {
    const std::filesystem::path file = root_ / "answers.txt";
    std::ofstream(file) << lines;
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", file.string());
  }
  FilmcardFilter& Filter() { return FilterExports<FilmcardFilter>::Instance(); }
};

TEST_F(AnsweredConfigure, ConfigureOkStoresEveryOptionAndCancelNone) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  Answer("dialog 129 cancel\n");
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 0);
  EXPECT_TRUE(platform::ListProfileValues(Filter().OptionStore()).empty());

  Answer("dialog 129 set 1001=Cassette set 1005=7 set 1006=01:50:00 check 1007=1 ok\n");
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 1);
  EXPECT_EQ(platform::ListProfileValues(Filter().OptionStore()).size(), 12u);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  EXPECT_EQ(Filter().Settings().defSupport, 1);
  EXPECT_EQ(Filter().Settings().defValue, "7");
  EXPECT_EQ(Filter().Settings().defTime, "01:50:00");
  EXPECT_EQ(Filter().Settings().allFiles, 0);
}

}  // namespace
}  // namespace orv::filmcard
