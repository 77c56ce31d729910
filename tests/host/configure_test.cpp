// orvhost configure and info: options written without a dialog, shown, and read by the filter.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;

class ConfigureTest : public HostRunTest {};

TEST_F(ConfigureTest, SetValuesAreShownAndKeptBesideEachOther) {
  SetOption("Count", "7");
  SetOption("Prefix", "Épisode");
  SetOption("count", "8");  // value names ignore case: the same option again
  const RunResult shown = Orvhost({"configure", TESTFILTER_LIBRARY, "--show"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const std::vector<std::string> lines = shown.OutLines();
  ASSERT_EQ(lines.size(), 2u) << shown.out;
  EXPECT_THAT(lines, ::testing::Contains(::testing::MatchesRegex("[Cc]ount=8")));
  EXPECT_THAT(lines, ::testing::Contains("Prefix=Épisode"));

  // The filter reads texts set for integer options as numbers.
  const RunResult r = Import({"--trace"});
  EXPECT_THAT(r.out, HasSubstr(R"({"op":"GetCount","result":8})"));
  EXPECT_THAT(r.out, HasSubstr("Épisode n°8"));
}

TEST_F(ConfigureTest, InfoReportsTheDescriptionAfterLoadingOptions) {
  SetOption("Category", "3");
  const RunResult r = Orvhost({"info", TESTFILTER_LIBRARY});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("filterName:   Filtre d'essai"));
  EXPECT_THAT(r.out, HasSubstr("category:     3 software"));
  EXPECT_THAT(r.out, HasSubstr("interfaceTag: 640"));
  EXPECT_THAT(r.out, HasSubstr("icon:         yes"));
}

TEST_F(ConfigureTest, DialogAnsweredFromTheAnswersFile) {
  WriteFile(folder_ + "/answers.txt", "dialog 129 set 1003=\"Série B\" check 1004=1 ok\n");
  const RunResult ok =
      Orvhost({"configure", TESTFILTER_LIBRARY, "--dialog", "--answers", folder_ + "/answers.txt"});
  ASSERT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out, "OK: options saved\n");
  const std::string shown = Orvhost({"configure", TESTFILTER_LIBRARY, "--show"}).out;
  EXPECT_THAT(shown, HasSubstr("Prefix=Série B"));
  EXPECT_THAT(shown, HasSubstr("Heading=1"));

  WriteFile(folder_ + "/cancel.txt", "dialog 129 set 1003=autre cancel\n");
  const RunResult cancelled =
      Orvhost({"configure", TESTFILTER_LIBRARY, "--dialog", "--answers", folder_ + "/cancel.txt"});
  ASSERT_EQ(cancelled.status, 0) << cancelled.err;
  EXPECT_EQ(cancelled.out, "Cancel: options unchanged\n");
  EXPECT_THAT(Orvhost({"configure", TESTFILTER_LIBRARY, "--show"}).out,
              HasSubstr("Prefix=Série B"));
}

}  // namespace
}  // namespace orv::host::testing
