// orvhost keeping runs: duplicates skipped, links kept with their item, runs listed and undone,
// items removed, interrupted runs summed up, collections of the previous release upgraded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "host_run.h"

namespace orv::host::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;
using ::testing::Not;

class RunsTest : public HostRunTest {
 protected:
  std::vector<std::string> Json() {
    const RunResult r = Orvhost({"list", "--collection", collection_, "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = r.OutLines();
    if (lines.size() < 2) return {};
    lines = std::vector<std::string>(lines.begin() + 1, lines.end() - 1);
    for (std::string& line : lines) {
      if (!line.empty() && line.back() == ',') line.pop_back();
    }
    return lines;
  }
  RunResult Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--collection", collection_});
    return Orvhost(args);
  }
};

TEST_F(RunsTest, ASecondImportStoresNothingNewUnlessDuplicatesAreKept) {
  SetOption("SkipAt", "1");
  ASSERT_EQ(Import().status, 0);
  // The item skipped the first time comes now: only it is new.
  SetOption("SkipAt", "-1");
  RunResult r = Import();
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("1 item stored in " + collection_ + " (run 2); 2 already there;"));
  r = Import();
  EXPECT_THAT(r.out, HasSubstr("nothing new stored in " + collection_ +
                               ": the 3 items testfilter produced were already there;"));
  EXPECT_EQ(Json().size(), 3u);
  r = Import({"--keep-duplicates"});
  EXPECT_THAT(r.out, HasSubstr("3 items stored in " + collection_ + " (run 4);"));
  EXPECT_EQ(Json().size(), 6u);
}

TEST_F(RunsTest, RunsAreListedUndoneAndItemsRemoved) {
  ASSERT_EQ(Import().status, 0);
  SetOption("Prefix", "Suite");
  SetOption("Count", "2");
  ASSERT_EQ(Import().status, 0);
  RunResult r = Run({"runs"});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<std::string> lines = r.OutLines();
  ASSERT_EQ(lines.size(), 3u) << r.out;
  EXPECT_THAT(lines[0], MatchesRegex("run +started \\(UTC\\) +items +ended +filter +source"));
  EXPECT_THAT(lines[1], MatchesRegex("1 +[0-9-]{10} [0-9:]{8} +3 +done +testfilter +-"));
  EXPECT_THAT(lines[2], MatchesRegex("2 +[0-9-]{10} [0-9:]{8} +2 +done +testfilter +-"));

  // No terminal to confirm on and no --yes: it shows what it would remove and removes nothing.
  r = Run({"undo"});
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.out, HasSubstr("run 2 ("));
  EXPECT_THAT(r.out, HasSubstr("2 items to remove"));
  EXPECT_THAT(r.out, HasSubstr("Suite n°2"));
  EXPECT_THAT(r.err, HasSubstr("nothing removed"));
  EXPECT_EQ(Json().size(), 5u);

  r = Run({"undo", "--yes"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("removed run 2: 2 items"));
  EXPECT_EQ(Json().size(), 3u);
  EXPECT_EQ(Run({"runs"}).OutLines().size(), 2u);

  // Numbers of items stay theirs: removing one does not renumber the others.
  r = Run({"remove", "1", "3"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("Film n°3"));
  std::vector<std::string> left = Json();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_THAT(left[0], HasSubstr("Film n°2"));
  r = Run({"runs"});
  EXPECT_THAT(r.OutLines().at(1), MatchesRegex("1 +[0-9-]{10} [0-9:]{8} +1 +done .*"));

  // A wrong number removes nothing at all.
  r = Run({"remove", "2", "3"});
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.err, HasSubstr("no item 3 in " + collection_ + ": nothing removed"));
  EXPECT_EQ(Json().size(), 1u);
  EXPECT_EQ(Run({"undo", "7", "--yes"}).status, 2);
  EXPECT_EQ(Orvhost({"remove", "x1"}).status, 2);

  ASSERT_EQ(Run({"undo", "1", "--yes"}).status, 0);
  EXPECT_TRUE(Json().empty());
  EXPECT_THAT(Run({"undo"}).out, HasSubstr("nothing to undo"));
}

TEST_F(RunsTest, ALinkItemIsKeptWithTheItemBeforeIt) {
  SetOption("Link", "1");
  SetOption("Count", "2");
  RunResult r = Import({"--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  // The transcript keeps what the filter said, kinds included.
  std::vector<std::string> kinds;
  for (const std::string& line : r.OutLines()) {
    if (JsonField(line, "op") == "\"ProcessItem\"") kinds.push_back(JsonField(line, "itemKind"));
  }
  EXPECT_THAT(kinds, ::testing::ElementsAre("257", "128", "257", "128", "0"));
  EXPECT_THAT(r.err, HasSubstr("2 items stored in " + collection_ +
                               " (run 1); 2 links kept with their items;"));
  const std::vector<std::string> items = Json();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_THAT(items[1], HasSubstr(R"j(,"link":{"itemKind":128,"title":"Film n°2",)j"
                                  R"j("type":"https://films.example/fiche/2",)j"));
  r = Run({"list"});
  EXPECT_THAT(r.out, HasSubstr("link: https://films.example/fiche/1\n"));
  EXPECT_THAT(r.out, HasSubstr("\n2 item(s)\n"));

  // Imported again: neither the films nor their links are doubled.
  r = Import();
  EXPECT_THAT(r.out, HasSubstr("nothing new stored"));
  EXPECT_EQ(Json().size(), 2u);

  // An export sees the films alone.
  SetOption("Export", "1");
  const std::string output = folder_ + "/out.txt";
  r = Run({"export", TESTFILTER_LIBRARY, output});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFile(output),
            "Film n°1 : l'été à Noël|1990|Zoé Müller\nFilm n°2 : l'été à Noël|1991|Zoé Müller\n");
}

TEST_F(RunsTest, ACollectionOfThePreviousReleaseIsUpgradedKeepingEveryItem) {
  fs::copy_file(HOST_TEST_DATA "/previous_collection.db", collection_);
  const std::string before = ReadFile(collection_);
  // Reading does not upgrade: the file stays as it was, its links already shown with films.
  const std::vector<std::string> read = Json();
  EXPECT_EQ(ReadFile(collection_), before);
  ASSERT_EQ(read.size(), 8u);
  EXPECT_THAT(read[3], HasSubstr(R"("link":{"itemKind":128,"title":"Lien n°1")"));
  EXPECT_THAT(read[7], HasSubstr(R"("title":"Chanson n°1)"));
  EXPECT_THAT(Run({"list", "--category", "audio"}).out, HasSubstr("Chanson n°1"));

  // The first import upgrades it; the earlier items belong to no run.
  SetOption("Prefix", "Nouveau");
  ASSERT_EQ(Import().status, 0);
  const std::vector<std::string> after = Json();
  ASSERT_EQ(after.size(), 11u);
  for (size_t i = 0; i < read.size(); ++i) EXPECT_EQ(after[i], read[i]);
  EXPECT_EQ(Run({"runs"}).OutLines().size(), 2u);
  ASSERT_EQ(Run({"undo", "--yes"}).status, 0);
  EXPECT_EQ(Json(), read);
  EXPECT_THAT(Run({"undo"}).out, HasSubstr("nothing to undo"));
  EXPECT_THAT(Run({"collection"}).out, HasSubstr("owner: Zoé"));

  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(collection_.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* check = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
  sqlite3_finalize(check);
  sqlite3_close(db);
}

std::string IntegrityCheck(const std::string& path) {
  sqlite3* db = nullptr;
  std::string result = "cannot open";
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW) {
      result = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
    }
    sqlite3_finalize(check);
  }
  sqlite3_close(db);
  return result;
}

TEST_F(RunsTest, CtrlCEndsAnImportWithItsSummaryAndAWholeCollection) {
  SetOption("Count", "400");
  SetOption("SleepMs", "20");
  const pid_t pid = Start({"import", TESTFILTER_LIBRARY, "--collection", collection_});
  ASSERT_GT(pid, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  ASSERT_EQ(kill(pid, SIGINT), 0);
  const RunResult r = Wait(pid);
  EXPECT_EQ(r.status, 130) << r.err;
  EXPECT_THAT(r.out, MatchesRegex("interrupted: [0-9]+ items stored in " + collection_ +
                                  " \\(run 1\\); 0 calls produced nothing; .* s\n"));
  EXPECT_EQ(IntegrityCheck(collection_), "ok");
  const size_t kept = Json().size();
  EXPECT_GT(kept, 0u);
  EXPECT_LT(kept, 400u);
  EXPECT_THAT(r.out, HasSubstr(std::to_string(kept) + " items stored"));
  EXPECT_THAT(Run({"runs"}).out, HasSubstr(" interrupted "));

  // Run again, the import completes the collection without doubling it.
  SetOption("SleepMs", "0");
  const RunResult again = Import();
  EXPECT_THAT(again.out, HasSubstr(std::to_string(400 - kept) + " item"));
  EXPECT_THAT(again.out, HasSubstr(std::to_string(kept) + " already there"));
  EXPECT_EQ(Json().size(), 400u);
}

TEST_F(RunsTest, CtrlCEndsAnExportAfterTheItemUnderWay) {
  SetOption("Count", "300");
  ASSERT_EQ(Import().status, 0);
  SetOption("Export", "1");
  SetOption("SleepMs", "20");
  const std::string output = folder_ + "/out.txt";
  const pid_t pid = Start({"export", TESTFILTER_LIBRARY, output, "--collection", collection_});
  ASSERT_GT(pid, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  ASSERT_EQ(kill(pid, SIGTERM), 0);
  const RunResult r = Wait(pid);
  EXPECT_EQ(r.status, 130) << r.err;
  EXPECT_THAT(r.out, MatchesRegex("interrupted: [0-9]+ items of category video written by "
                                  "testfilter to " + output + "; .* s\n"));
  // Close was called: every line the filter wrote is whole.
  const std::string written = ReadFile(output);
  ASSERT_FALSE(written.empty());
  EXPECT_EQ(written.back(), '\n');
  EXPECT_LT(written.size(), 300u * 30);
}

TEST_F(RunsTest, ACollectionInAFolderTheUserCannotWriteIsListedAndExported) {
  if (RunningAsRoot()) {
    // The user "nobody" must reach the built programs: not so in a tree under a private folder.
    unprivileged_ = true;
    const bool reachable = Orvhost({"info", TESTFILTER_LIBRARY}).status == 0;
    unprivileged_ = false;
    if (!reachable) GTEST_SKIP() << "the user nobody cannot load " << TESTFILTER_LIBRARY << " here";
  }
  ASSERT_EQ(Import().status, 0);
  const std::string output = folder_ + "/out";
  fs::create_directories(output);
  fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
  fs::permissions(output, fs::perms::all);
  // The file itself may be written: the folder alone keeps the reader from making its logs.
  fs::permissions(collection_, fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read | fs::perms::others_read |
                                   fs::perms::others_write);
  // The profile and its folders are the user's own.
  SetOption("Export", "1");
  if (RunningAsRoot()) {
    for (const auto& entry : fs::recursive_directory_iterator(folder_ + "/config")) {
      ASSERT_EQ(chown(entry.path().c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(chown((folder_ + "/config").c_str(), 65534, 65534), 0);
  } else {
    fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
  }
  unprivileged_ = true;
  const std::string before = ReadFile(collection_);
  RunResult r = Run({"list"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("3 item(s)"));
  r = Run({"export", TESTFILTER_LIBRARY, output + "/list.txt"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(ReadFile(output + "/list.txt"), HasSubstr("Film n°3"));
  EXPECT_EQ(ReadFile(collection_), before);
  // Writing there fails, and says why.
  SetOption("Export", "0");
  r = Import();
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "orvhost: cannot change collection " + collection_ + ": its folder " + folder_ +
                       " is not writable for you (orvhost list and export still read it)\n");
  // Nor can a file the user may not read be listed; the line says so.
  fs::permissions(collection_, fs::perms::others_read | fs::perms::others_write,
                  fs::perm_options::remove);
  if (!RunningAsRoot()) fs::permissions(collection_, fs::perms::owner_read, fs::perm_options::remove);
  r = Run({"list"});
  EXPECT_EQ(r.status, 3);
  EXPECT_EQ(r.err, "orvhost: cannot read collection " + collection_ +
                       ": the file is not readable for you\n");
  unprivileged_ = false;
  fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);  // for the clean-up
}

TEST_F(RunsTest, OpenFailuresNameTheCauseTheHostCanSee) {
  const std::string missing = folder_ + "/absent.film";
  RunResult r = Orvhost({"import", "filmcard", missing, "--collection", collection_});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("filmcard could not open " + missing + ": it does not exist\n"));

  ASSERT_EQ(Orvhost({"configure", "pagebuilder", "--set", "MediaType=0"}).status, 0);
  const std::string page = folder_ + "/page.htm";
  r = Orvhost({"export", "pagebuilder", page, "--collection", collection_});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr("pagebuilder could not open " + page +
                               ": its Template option is empty (orvhost configure pagebuilder "
                               "--set Template=FILE)\n"));
  const std::string absent = folder_ + "/modèle.htm";
  ASSERT_EQ(Orvhost({"configure", "pagebuilder", "--set", "Template=" + absent}).status, 0);
  r = Orvhost({"export", "pagebuilder", page, "--collection", collection_});
  EXPECT_EQ(r.status, 1);
  EXPECT_THAT(r.err, HasSubstr(": its template " + absent + " cannot be read ("));
}

}  // namespace
}  // namespace orv::host::testing
