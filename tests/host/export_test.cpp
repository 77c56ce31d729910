// orvhost export: the ItemList holds the items of the filter's category, in the stored order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;

class ExportTest : public HostRunTest {
 protected:
  void ImportAs(const std::string& prefix, int category, int count) {
    SetOption("Prefix", prefix);
    SetOption("Category", std::to_string(category));
    SetOption("Count", std::to_string(count));
    ASSERT_EQ(Import().status, 0);
  }
};

TEST_F(ExportTest, HandsTheCategorysItemsInStoredOrder) {
  SetOption("Heading", "1");
  ImportAs("Vidéo A", 1, 2);
  SetOption("Heading", "0");
  ImportAs("Disque", 2, 1);
  ImportAs("Vidéo B", 1, 1);

  SetOption("Export", "1");
  SetOption("Category", "1");
  const std::string output = folder_ + "/sortie/catalogue.txt";
  std::filesystem::create_directories(folder_ + "/sortie");
  const RunResult r =
      Orvhost({"export", TESTFILTER_LIBRARY, output, "--collection", collection_, "--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFile(output),
            "Vidéo A n°1 : l'été à Noël|1990|Zoé Müller\n"
            "Vidéo A n°2 : l'été à Noël|1991|Zoé Müller\n"
            "Vidéo B n°1 : l'été à Noël|1990|Zoé Müller\n");
  const std::vector<std::string> lines = r.OutLines();
  ASSERT_EQ(lines.size(), 9u) << r.out;
  EXPECT_EQ(JsonField(lines[1], "isExport"), "1");
  EXPECT_EQ(lines[2], R"j({"op":"Open","path":")j" + output + R"j(","result":1})j");
  EXPECT_EQ(lines[3], R"j({"op":"GetCount","result":3})j");
  EXPECT_EQ(JsonField(lines[4], "itemKind"), "1");
  EXPECT_EQ(lines[8], R"j({"op":"Close","result":1})j");

  SetOption("Category", "2");
  const RunResult audio =
      Orvhost({"export", TESTFILTER_LIBRARY, output, "--collection", collection_});
  ASSERT_EQ(audio.status, 0) << audio.err;
  EXPECT_EQ(ReadFile(output), "Disque n°1 : l'été à Noël|1990|Zoé Müller\n");
  EXPECT_THAT(audio.out,
              ::testing::MatchesRegex("1 item of category audio written by testfilter to " +
                                      output + "; 0 calls produced nothing; .* s\n"));
  SetOption("Category", "5");
  const RunResult none =
      Orvhost({"export", TESTFILTER_LIBRARY, output, "--collection", collection_});
  EXPECT_THAT(none.out, ::testing::StartsWith("nothing written: testfilter produced no item from 0 "
                                              "items of category collectible; "));
}

TEST_F(ExportTest, AnOutputTheFilterCannotOpenIsNamedWithWhereToLook) {
  SetOption("Export", "1");
  const std::string output = folder_ + "/missing/catalogue.txt";
  const RunResult r = Orvhost({"export", TESTFILTER_LIBRARY, output, "--collection", collection_});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr(std::string(TESTFILTER_LIBRARY) + " could not open " + output));
  EXPECT_THAT(r.err, HasSubstr("orvhost configure " + std::string(TESTFILTER_LIBRARY) + " --show"));
  // Exporting only reads: a missing collection is not made for it.
  EXPECT_FALSE(std::filesystem::exists(collection_));
}

TEST_F(ExportTest, RelativeOutputReachesTheFilterAsAFullPath) {
  SetOption("Export", "1");
  const RunResult r = Orvhost(
      {"export", TESTFILTER_LIBRARY, "relatif.txt", "--collection", collection_, "--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string path = JsonField(r.OutLines()[2], "path");
  EXPECT_EQ(path.substr(0, 2), "\"/");
  EXPECT_THAT(path, HasSubstr("/relatif.txt\""));
}

TEST_F(ExportTest, ImportAndExportFiltersAreNotMixedUp) {
  EXPECT_EQ(
      Orvhost({"export", TESTFILTER_LIBRARY, folder_ + "/x", "--collection", collection_}).status,
      2);
  SetOption("Export", "1");
  const RunResult r = Import();
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, HasSubstr("export filter"));
}

}  // namespace
}  // namespace orv::host::testing
