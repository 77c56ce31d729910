// Configure through the exported table with dialog 129 answered from an answers file, the way
// orvhost runs it on Linux: a click on a radio enables what it governs.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "contract/filter.h"
#include "filescan/filescan_filter.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "tests/filescan/scan_fixture.h"

extern "C" int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table);

namespace orv::filescan {
namespace {

class AnsweredConfigure : public orv::testing::ScanTest {
 protected:
  void Answer(const std::string& lines) {
    const std::string file = folder_.Write("answers.txt", lines);
    platform::SetEnvironmentValue("ORVHOST_ANSWERS", file);
  }
  FilescanFilter& Filter() { return FilterExports<FilescanFilter>::Instance(); }
};

TEST_F(AnsweredConfigure, OkStoresTheEightOptionsAndCancelNone) {
  FilterFunctions table{};
  ASSERT_EQ(GetFunctionInfo(&table), 1);
  Answer("dialog 129 cancel\n");
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 0);
  EXPECT_TRUE(platform::ListProfileValues(Filter().OptionStore()).empty());

  Answer(
      "dialog 129 check 1014=1 check 1003=1 check 2001=1 set 2002=.avi;.mov check 2004=0 "
      "set 1041=/srv/media ok\n");
  EXPECT_EQ(table.Configure("Orvella Premium", "Kelvard", 1), 1);
  EXPECT_EQ(platform::ListProfileValues(Filter().OptionStore()).size(), 8u);
  ASSERT_EQ(table.Configure("Orvella Premium", "Kelvard", 0), 1);
  const FilescanOptions& options = Filter().Settings();
  EXPECT_EQ(options.forceType, 1);
  EXPECT_EQ(options.defaultType, 3);
  EXPECT_EQ(options.fileMode, 2);
  EXPECT_EQ(options.filter, ".avi;.mov");
  EXPECT_EQ(options.selectDir, 0);
  EXPECT_EQ(options.folder, "/srv/media");
  EXPECT_EQ(options.doSubFolder, 1);
  EXPECT_EQ(options.doCreateTree, 1);
}

}  // namespace
}  // namespace orv::filescan
