// orvhost import driving the test filter: the calling order, what lands in the collection.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;

std::vector<std::string> Ops(const std::vector<std::string>& lines) {
  std::vector<std::string> ops;
  for (const std::string& line : lines) ops.push_back(JsonField(line, "op"));
  return ops;
}

class ImportTest : public HostRunTest {};

TEST_F(ImportTest, TranscriptFollowsTheCallingOrderWithEveryField) {
  const RunResult r = Import({"--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = r.OutLines();
  EXPECT_THAT(Ops(lines),
              ::testing::ElementsAre("\"Configure\"", "\"GetInfo\"", "\"Open\"", "\"GetCount\"",
                                     "\"ProcessItem\"", "\"ProcessItem\"", "\"ProcessItem\"",
                                     "\"ProcessItem\"", "\"Close\""));
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[0], R"j({"op":"Configure","result":1})j");
  EXPECT_EQ(lines[1],
            R"j({"op":"GetInfo","fileMask":"*.test","description":"Fichiers d'essai (*.test)",)j"
            R"j("category":1,"filterName":"Filtre d'essai","sourceKind":2,"interfaceTag":640,)j"
            R"j("isExport":0})j");
  EXPECT_EQ(lines[2], R"j({"op":"Open","path":"","result":1})j");
  EXPECT_EQ(lines[3], R"j({"op":"GetCount","result":3})j");
  EXPECT_EQ(JsonField(lines[4], "itemKind"), "1");
  EXPECT_EQ(lines[7], R"j({"op":"ProcessItem","result":-1,"itemKind":0})j");
  EXPECT_EQ(lines[8], R"j({"op":"Close","result":1})j");

  // Every field by its name, texts as UTF-8 with CR LF and quotes escaped.
  const std::string item = ItemObject(lines[4]);
  EXPECT_EQ(
      item,
      R"j({"title":"Film n°1 : l'été à Noël","type":"Comédie dramatique",)j"
      R"j("editor":"Éditions \"Kelvard\" & fils","author":"Zoé Müller",)j"
      R"j("coauthor":"Anaïs Lefèvre, Jérôme Ørsted","length":"01:31:05","date":"2004/06/11",)j"
      R"j("category":1,"year":1990,"chap":12,"rating":0,"price":12.5,"lang":"Français",)j"
      R"j("format1":1,"format2":3,"medium":19,"sound":7,"custom1":"champ ① 1",)j"
      R"j("custom2":"tab\there","custom3":"back\\slash",)j"
      R"j("comment":"Première ligne\r\nDeuxième ligne « citée »","image":"affiche1.jpg",)j"
      R"j("lendat1":"2005/01/02","lendat2":"2005/02/03","lendname":"Gaëlle","level":0})j");
}

TEST_F(ImportTest, ListJsonGivesBackEveryFieldAsImported) {
  const RunResult imported = Import({"--trace"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  const RunResult listed = Orvhost({"list", "--collection", collection_, "--json"});
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> lines = listed.OutLines();
  ASSERT_EQ(lines.size(), 5u) << listed.out;  // [ three items ]
  EXPECT_EQ(lines.front(), "[");
  EXPECT_EQ(lines.back(), "]");
  const std::vector<std::string> trace = imported.OutLines();
  for (int i = 0; i < 3; ++i) {
    std::string object = lines[1 + i];
    if (object.back() == ',') object.pop_back();
    // The stored item is the produced item, field for field, after its itemKind.
    EXPECT_EQ(object, "{\"itemKind\":1," + ItemObject(trace[4 + i]).substr(1));
  }
}

TEST_F(ImportTest, EachItemIsKeptInTheOrderProduced) {
  SetOption("Count", "2");
  ASSERT_EQ(Import().status, 0);
  SetOption("Prefix", "Suite");
  SetOption("Category", "4");
  ASSERT_EQ(Import().status, 0);
  const RunResult all = Orvhost({"list", "--collection", collection_, "--json"});
  const std::vector<std::string> lines = all.OutLines();
  ASSERT_EQ(lines.size(), 6u) << all.out;
  EXPECT_THAT(lines[1], HasSubstr("Film n°1"));
  EXPECT_THAT(lines[2], HasSubstr("Film n°2"));
  EXPECT_THAT(lines[3], HasSubstr("\"itemKind\":4,\"title\":\"Suite n°1"));
  EXPECT_THAT(lines[4], HasSubstr("Suite n°2"));

  const RunResult books =
      Orvhost({"list", "--collection", collection_, "--json", "--category", "book"});
  EXPECT_EQ(books.OutLines().size(), 4u) << books.out;
  const RunResult table = Orvhost({"list", "--collection", collection_});
  EXPECT_THAT(table.out, HasSubstr("Suite n°2 : l'été à Noël"));
  EXPECT_THAT(table.out, HasSubstr("4 item(s)"));
}

TEST_F(ImportTest, OpenFailureStopsBeforeGetCountAndGivesExitOne) {
  SetOption("FailOpen", "1");
  const RunResult r = Import({"--trace"});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(Ops(r.OutLines()),
              ::testing::ElementsAre("\"Configure\"", "\"GetInfo\"", "\"Open\""));
  // The host cannot know why: it names the filter and where to look.
  EXPECT_EQ(r.err, std::string("orvhost: ") + TESTFILTER_LIBRARY +
                       " could not open its source; its options: orvhost configure " +
                       TESTFILTER_LIBRARY + " --show\n");
  EXPECT_EQ(Orvhost({"list", "--collection", collection_, "--json"}).out, "[]\n");
}

TEST_F(ImportTest, ARunEndsWithOneSummaryLine) {
  SetOption("Count", "4");
  SetOption("SkipAt", "2");
  RunResult r = Import();
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, ::testing::MatchesRegex("3 items stored in " + collection_ +
                                             " \\(run 1\\); 1 call produced nothing; "
                                             "[0-9]+\\.[0-9]{2} s\n"));
  // With --trace the summary keeps out of the transcript.
  r = Import({"--trace"});
  for (const std::string& line : r.OutLines()) EXPECT_EQ(line.front(), '{') << line;
  EXPECT_THAT(r.err, HasSubstr("nothing new stored in " + collection_ +
                               ": the 3 items testfilter produced were already there; "));

  SetOption("Count", "2");
  SetOption("SkipAt", "-1");
  SetOption("StrangeAt", "0");
  r = Import();
  EXPECT_THAT(r.out, ::testing::StartsWith("nothing stored: testfilter produced no item; 0 calls "
                                           "produced nothing; "));
}

TEST_F(ImportTest, ThrownOrSkippedItemsDoNotEndTheRun) {
  SetOption("Count", "5");
  SetOption("ThrowAt", "1");
  SetOption("SkipAt", "3");
  const RunResult r = Import({"--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = r.OutLines();
  std::vector<std::string> results;
  for (const std::string& line : lines) {
    if (JsonField(line, "op") == "\"ProcessItem\"") results.push_back(JsonField(line, "result"));
  }
  EXPECT_THAT(results, ::testing::ElementsAre("1", "0", "1", "0", "1", "-1"));
  EXPECT_EQ(Ops(lines).back(), "\"Close\"");
  const std::string listed = Orvhost({"list", "--collection", collection_, "--json"}).out;
  EXPECT_THAT(listed, HasSubstr("Film n°1 "));
  EXPECT_THAT(listed, HasSubstr("Film n°3 "));
  EXPECT_THAT(listed, HasSubstr("Film n°5 "));
  EXPECT_THAT(listed, ::testing::Not(HasSubstr("Film n°2 ")));
}

TEST_F(ImportTest, AResultOutsideTheContractEndsTheRunWithClose) {
  SetOption("Count", "4");
  SetOption("StrangeAt", "2");
  const RunResult r = Import({"--trace"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.err, HasSubstr("ProcessItem returned 7"));
  const std::vector<std::string> lines = r.OutLines();
  ASSERT_EQ(lines.size(), 8u) << r.out;
  EXPECT_EQ(lines[6], R"j({"op":"ProcessItem","result":7,"itemKind":0})j");
  EXPECT_EQ(lines[7], R"j({"op":"Close","result":1})j");
  EXPECT_EQ(Orvhost({"list", "--collection", collection_, "--json"}).OutLines().size(), 4u);
}

TEST_F(ImportTest, ItemsCommittedBeforeTheProcessDiesAreKept) {
  // Items are committed in batches of 256: a process that dies keeps every whole batch.
  SetOption("Count", "400");
  SetOption("DieAt", "300");
  EXPECT_EQ(Import().status, 9);
  const std::vector<std::string> lines =
      Orvhost({"list", "--collection", collection_, "--json"}).OutLines();
  ASSERT_GE(lines.size(), 256u + 2);
  ASSERT_LE(lines.size(), 300u + 2);
  EXPECT_THAT(lines[256], HasSubstr("Film n°256 "));
}

TEST_F(ImportTest, HeadingsAreStoredWithTheirKind) {
  SetOption("Heading", "1");
  SetOption("Count", "1");
  ASSERT_EQ(Import().status, 0);
  const std::vector<std::string> lines =
      Orvhost({"list", "--collection", collection_, "--json"}).OutLines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_THAT(lines[1], HasSubstr("\"itemKind\":64,\"title\":\"Rubrique d'essai\""));
  EXPECT_THAT(lines[1], HasSubstr("\"level\":1}"));
  EXPECT_THAT(lines[2], HasSubstr("\"itemKind\":1,"));
}

TEST_F(ImportTest, HostDocumentCarriesTheCollectionSettings) {
  const RunResult set = Orvhost({"collection",
                                 "--collection",
                                 collection_,
                                 "--owner",
                                 "Zoé",
                                 "--title",
                                 "Mes films",
                                 "--currency",
                                 "CHF",
                                 "--code-list",
                                 "sound=Mono|Stéréo",
                                 "--code-list",
                                 "audio.format1=CD|Vinyle",
                                 "--proxy",
                                 "proxy.local:3128",
                                 "--proxy-user",
                                 "u",
                                 "--proxy-password",
                                 "p w",
                                 "--picture-dir",
                                 "audio=" + folder_ + "/pochettes"});
  ASSERT_EQ(set.status, 0) << set.err;
  SetOption("Echo", "1");
  RunResult r = Import({"--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::string item = ItemObject(r.OutLines()[4]);
  EXPECT_EQ(JsonField(item, "title"), "\"Mes films\"");
  EXPECT_EQ(JsonField(item, "author"), "\"Zoé\"");
  EXPECT_EQ(JsonField(item, "lang"), "\"CHF\"");
  EXPECT_EQ(JsonField(item, "custom1"), "\"Pal|Sécam|Ntsc|DivX|XviD|Mpeg\"");
  EXPECT_EQ(JsonField(item, "custom2"), "\"Mono|Stéréo\"");
  EXPECT_EQ(JsonField(item, "custom3"), "\"2:35|16/9|1:85|4/3\"");
  EXPECT_EQ(JsonField(item, "image"), "\"" + folder_ + "/pictures/video\"");
  EXPECT_EQ(JsonField(item, "editor"), "\"proxy.local\"");
  EXPECT_EQ(JsonField(item, "coauthor"), "\"u\"");
  EXPECT_EQ(JsonField(item, "comment"), "\"p w\"");
  EXPECT_EQ(JsonField(item, "chap"), "3128");
  EXPECT_TRUE(std::filesystem::is_directory(folder_ + "/pictures/video"));

  // The lists and folder of the filter's own category, and lists left empty where none is set.
  SetOption("Category", "2");
  r = Import({"--trace"});
  item = ItemObject(r.OutLines()[4]);
  EXPECT_EQ(JsonField(item, "custom1"), "\"CD|Vinyle\"");
  EXPECT_EQ(JsonField(item, "custom2"),
            "\"Mono|Stéréo|Dolby Pro|AC3|Thx|Dts|Dolby 5.0|Dolby 5.1|Dolby 6.1|Mp3|Wma\"");
  EXPECT_EQ(JsonField(item, "custom3"), "\"\"");
  EXPECT_EQ(JsonField(item, "image"), "\"" + folder_ + "/pochettes\"");
}

TEST_F(ImportTest, DefaultCollectionLivesInTheDataFolder) {
  const RunResult r = Orvhost({"import", TESTFILTER_LIBRARY});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_ + "/data/orvhost/collection.db"));
  EXPECT_EQ(Orvhost({"list", "--json"}).OutLines().size(), 5u);
}

// A collection that cannot grow (a full disk, here the file size limit) loses the items it
// could not save: the import must say so and fail, and count nothing it did not keep.
TEST_F(ImportTest, ItemsTheCollectionCouldNotSaveMakeTheImportFail) {
  ASSERT_EQ(Import().status, 0);  // the collection exists, with a first run of three items
  SetOption("Count", "3000");

  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const off_t limit = std::filesystem::file_size(collection_) + 256 * 1024;
  rlimit small{static_cast<rlim_t>(limit), old.rlim_max};
  // orvhost inherits both: writes past the limit fail instead of killing it.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const RunResult r = Import({"--keep-duplicates"});
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, previous);

  EXPECT_NE(r.status, 0) << r.out;
  EXPECT_THAT(r.err, HasSubstr("could not be saved")) << r.err;
  EXPECT_THAT(r.out, ::testing::Not(HasSubstr("stored in"))) << r.out;
  const std::vector<std::string> runs = Orvhost({"runs", "--collection", collection_}).OutLines();
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_THAT(runs[2], HasSubstr(" stopped ")) << runs[2];
}

}  // namespace
}  // namespace orv::host::testing
