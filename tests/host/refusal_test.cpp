// What orvhost refuses, and that it then leaves everything as it was.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class RefusalTest : public HostRunTest {
 protected:
  void ExpectOneErrorLine(const RunResult& r) {
    EXPECT_THAT(r.err, StartsWith("orvhost: "));
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
};

TEST_F(RefusalTest, AFileThatIsNoCollectionIsLeftUntouched) {
  const std::string notes = "ceci n'est pas une base\n";
  WriteFile(collection_, notes);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"import", TESTFILTER_LIBRARY, "--collection", collection_},
        {"list", "--collection", collection_},
        {"collection", "--collection", collection_, "--owner", "x"}}) {
    const RunResult r = Orvhost(args);
    EXPECT_EQ(r.status, 3) << args[0];
    ExpectOneErrorLine(r);
    EXPECT_EQ(ReadFile(collection_), notes);
  }
}

TEST_F(RefusalTest, ASqliteDatabaseOfSomeoneElseIsLeftUntouched) {
  // A valid SQLite file without our marker: made by a collection of ours with the marker renamed.
  ASSERT_EQ(Orvhost({"collection", "--collection", collection_}).status, 0);
  const std::string ours = ReadFile(collection_);
  std::string foreign = ours;
  const size_t at = foreign.find("orvhost collection");
  ASSERT_NE(at, std::string::npos);
  foreign.replace(at, 7, "another");
  WriteFile(collection_, foreign);
  const RunResult r = Import();
  EXPECT_EQ(r.status, 3);
  EXPECT_THAT(r.err, HasSubstr("not an orvhost collection"));
  EXPECT_EQ(ReadFile(collection_), foreign);
}

TEST_F(RefusalTest, LibrariesThatAreNoFiltersWriteNothing) {
  for (const std::string& filter :
       {std::string(NOT_A_FILTER_LIBRARY), std::string("nosuchfilter"), folder_ + "/missing.so"}) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import", filter, "--collection", collection_},
          {"configure", filter, "--set", "Count=1"},
          {"info", filter}}) {
      const RunResult r = Orvhost(args);
      EXPECT_EQ(r.status, 3) << filter << " " << args[0];
      ExpectOneErrorLine(r);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(collection_));
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/config"));
  EXPECT_THAT(Orvhost({"info", NOT_A_FILTER_LIBRARY}).err, HasSubstr("GetFunctionInfo"));
}

TEST_F(RefusalTest, UsageErrorsGiveTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"import"},
           {"import", "testfilter", "a", "b"},
           {"export", "testfilter"},
           {"list", "--category", "6"},
           {"list", "--colour"},
           {"import", "testfilter", "--json"},
           {"configure", "testfilter", "--set", "=1"},
           {"collection", "--proxy", "host:99999"},
           {"collection", "--code-list", "video.size=1|2"},
           {"collection", "--picture-dir", "pictures"},
           {"list", "--collection"},
           {"help", "frobnicate"},
           {"collection", "--proxy", "", "--proxy-password", "p"},
       }) {
    const RunResult r = Orvhost(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args[0]);
    ExpectOneErrorLine(r);
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/data"));
  const RunResult help = Orvhost({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, HasSubstr("orvhost import FILTER [PATH]"));
}

TEST_F(RefusalTest, AMistypedCollectionFolderIsRefusedWithNothingCreated) {
  const std::string typo = folder_ + "/typo/deeper/collection.db";
  SetOption("Export", "0");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"import", TESTFILTER_LIBRARY, "--collection", typo},
        {"export", TESTFILTER_LIBRARY, folder_ + "/out.txt", "--collection", typo},
        {"list", "--collection", typo},
        {"collection", "--collection", typo},
        {"collection", "--collection", typo, "--owner", "x"}}) {
    const RunResult r = Orvhost(args);
    EXPECT_EQ(r.status, 3) << args[0];
    ExpectOneErrorLine(r);
    EXPECT_THAT(r.err, HasSubstr("no folder " + folder_ + "/typo/deeper"));
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/typo"));
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/out.txt"));
}

TEST_F(RefusalTest, ListingAMissingCollectionCreatesNothing) {
  const RunResult r = Orvhost({"list", "--collection", collection_, "--json"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "[]\n");
  EXPECT_FALSE(std::filesystem::exists(collection_));
}

}  // namespace
}  // namespace orv::host::testing
