// orvhost list: a table safe for the terminal and fitted to it, JSON with the exact values, and
// a collection that is only read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;

size_t Characters(const std::string& utf8) {
  size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The first byte that would drive a terminal: a C0 control other than the line end, DEL, or a
// C1 control in its UTF-8 form.
size_t FirstControl(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return i;
    if (byte == 0xC2 && i + 1 < text.size() &&
        (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80)
      return i;
  }
  return std::string::npos;
}

class ListTest : public HostRunTest {
 protected:
  RunResult List(const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"list", "--collection", collection_};
    args.insert(args.end(), extra.begin(), extra.end());
    return Orvhost(args);
  }
};

TEST_F(ListTest, ControlBytesOfTitlesAreShownEscapedAndKeptInJson) {
  SetOption("Count", "1");
  SetOption("Prefix",
            "Fin\x1b]0;pwned\x07\x1b[2J\x7f\xc2\x9b"
            "1m\r\nx");
  ASSERT_EQ(Import().status, 0);
  environment_ = {"COLUMNS=200"};  // room for the whole title
  const RunResult table = List();
  ASSERT_EQ(table.status, 0) << table.err;
  EXPECT_EQ(FirstControl(table.out), std::string::npos) << table.out;
  EXPECT_THAT(table.out, HasSubstr("Fin\\x1b]0;pwned\\x07\\x1b[2J\\x7f\\u009b1m\\r\\nx"));

  const RunResult json = List({"--json"});
  EXPECT_EQ(FirstControl(json.out), std::string::npos) << json.out;
  EXPECT_THAT(json.out,
              HasSubstr(R"("title":"Fin\u001b]0;pwned\u0007\u001b[2J\u007f\u009b1m\r\nx)"));
}

TEST_F(ListTest, KindsCategoriesAndMediaGoByTheirNames) {
  SetOption("Count", "1");
  SetOption("Heading", "1");
  SetOption("Category", "4");
  ASSERT_EQ(Import().status, 0);
  const std::vector<std::string> lines = List().OutLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_THAT(lines[0],
              ::testing::MatchesRegex("# +kind +category +year +title +author +medium +price"));
  EXPECT_THAT(lines[1],
              ::testing::MatchesRegex("1 +heading +book +Rubrique d'essai +Orvella +0.00"));
  EXPECT_THAT(lines[2],
              ::testing::MatchesRegex(
                  "2 +item +book +1990 +Film n°1 : l'été à Noël +Zoé Müller +DVD +12.50"));
  EXPECT_EQ(lines[3], "2 item(s)");
}

TEST_F(ListTest, ColumnsFitTheWidthAndTitlesAreCutAtAWord) {
  SetOption("Count", "2");
  SetOption("Prefix", "Le grand bleu de la mer des Caraïbes, une longue histoire");
  ASSERT_EQ(Import().status, 0);
  for (const int width : {60, 80, 132}) {
    environment_ = {"COLUMNS=" + std::to_string(width)};
    const RunResult r = List();
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = r.OutLines();
    ASSERT_EQ(lines.size(), 4u);
    const std::string title =
        "Le grand bleu de la mer des Caraïbes, une longue histoire n°1 : l'été à Noël";
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
      EXPECT_LE(Characters(lines[i]), static_cast<size_t>(width)) << lines[i];
    }
    const size_t at = lines[1].find("Le grand");
    ASSERT_NE(at, std::string::npos);
    const size_t cut = lines[1].find("…", at);
    if (width == 132) {
      EXPECT_THAT(lines[1], HasSubstr(title));
      continue;
    }
    ASSERT_NE(cut, std::string::npos) << lines[1];
    // What is kept is whole words of the title.
    const std::string kept = lines[1].substr(at, cut - at);
    EXPECT_EQ(title.compare(0, kept.size(), kept), 0) << kept;
    EXPECT_EQ(title[kept.size()], ' ') << kept;
  }
}

TEST_F(ListTest, ReadingLeavesTheCollectionByteForByte) {
  ASSERT_EQ(Import().status, 0);
  // A collection in rollback-journal mode, as another tool may leave it: a reader that switched
  // it to a write-ahead log would rewrite its header.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(collection_.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  const std::string before = ReadFile(collection_);
  SetOption("Export", "1");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"list", "--collection", collection_},
           {"list", "--collection", collection_, "--json", "--category", "1"},
           {"collection", "--collection", collection_},
           {"export", TESTFILTER_LIBRARY, folder_ + "/out.txt", "--collection", collection_},
       }) {
    const RunResult r = Orvhost(args);
    EXPECT_EQ(r.status, 0) << args[0] << r.err;
    EXPECT_EQ(ReadFile(collection_), before) << args[0];
    EXPECT_FALSE(std::filesystem::exists(collection_ + "-wal")) << args[0];
  }
  EXPECT_THAT(ReadFile(folder_ + "/out.txt"), HasSubstr("Film n°3"));
}

}  // namespace
}  // namespace orv::host::testing
