// orvhost configure and info: options written without a dialog, listed with what the filter
// reads, refused when the filter would not understand them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::MatchesRegex;

class ConfigureTest : public HostRunTest {
 protected:
  std::string KeyFile(const std::string& filter) const {
    return folder_ + "/config/registry/software/kelvard/orvella premium/" + filter + ".reg";
  }
  // The --show row of one option: key, kind, default, stored value, as blank-separated words,
  // then its meaning, if any.
  static std::string Row(const std::string& key, const std::string& kind, const std::string& def,
                         const std::string& stored) {
    return key + " +" + kind + " +" + def + " +" + stored + "( .*)?";
  }
  // The meaning a --show listing gives an option ("" when the option is not listed).
  static std::string Meaning(const RunResult& shown, const std::string& key) {
    for (const std::string& line : shown.OutLines()) {
      if (line.compare(0, key.size() + 1, key + " ") != 0) continue;
      // The fifth column starts after the fourth run of two blanks or more.
      size_t at = 0;
      for (int column = 0; column < 4 && at != std::string::npos; ++column) {
        at = line.find("  ", at);
        if (at != std::string::npos) at = line.find_first_not_of(' ', at);
      }
      return at == std::string::npos ? "" : line.substr(at);
    }
    return "";
  }
};

TEST_F(ConfigureTest, ShowOnAFreshProfileListsEveryOptionReadWithItsDefault) {
  const RunResult test = Orvhost({"configure", TESTFILTER_LIBRARY, "--show"});
  ASSERT_EQ(test.status, 0) << test.err;
  const std::vector<std::string> lines = test.OutLines();
  ASSERT_EQ(lines.size(), 15u) << test.out;  // a header and the fourteen options, in table order
  EXPECT_THAT(lines[0], MatchesRegex(Row("option", "kind", "default", "stored") + "meaning"));
  EXPECT_THAT(lines[1], MatchesRegex(Row("Count", "integer", "3", "-")));
  EXPECT_THAT(lines[4], MatchesRegex(Row("ThrowAt", "integer", "-1", "-")));
  EXPECT_THAT(lines[11], MatchesRegex(Row("Prefix", "text", "\"Film\"", "-")));

  const RunResult filmcard = Orvhost({"configure", "filmcard", "--show"});
  ASSERT_EQ(filmcard.status, 0) << filmcard.err;
  EXPECT_EQ(filmcard.OutLines().size(), 13u) << filmcard.out;
  EXPECT_THAT(filmcard.OutLines(), Contains(MatchesRegex(Row("AllFiles", "integer", "1", "-"))));
  EXPECT_THAT(filmcard.OutLines(), Contains(MatchesRegex(Row("DefSound", "integer", "7", "-"))));
  EXPECT_THAT(filmcard.OutLines(),
              Contains(MatchesRegex(Row("DefTime", "text", "\"01:30:00\"", "-"))));

  const RunResult pagebuilder = Orvhost({"configure", "pagebuilder"});  // --show by default
  ASSERT_EQ(pagebuilder.status, 0) << pagebuilder.err;
  EXPECT_EQ(pagebuilder.OutLines().size(), 7u) << pagebuilder.out;
  EXPECT_THAT(pagebuilder.OutLines(),
              Contains(MatchesRegex(Row("MediaType", "integer", "0", "-"))));
  EXPECT_THAT(pagebuilder.OutLines(), Contains(MatchesRegex(Row("Template", "text", "\"\"", "-"))));
  // Listing writes nothing.
  EXPECT_FALSE(std::filesystem::exists(folder_ + "/config"));
}

TEST_F(ConfigureTest, ShowSaysWhatEachOptionMeansInTheFiltersOwnDialog) {
  // A radio group or a list: the label of the value in effect, stored or default.
  ASSERT_EQ(Orvhost({"configure", "filescan", "--set", "FileMode=2"}).status, 0);
  const RunResult filescan = Orvhost({"configure", "filescan", "--show"});
  ASSERT_EQ(filescan.status, 0) << filescan.err;
  EXPECT_EQ(Meaning(filescan, "FileMode"), "Filtre") << filescan.out;
  EXPECT_EQ(Meaning(filescan, "DefaultType"), "Vidéos");
  EXPECT_EQ(Meaning(filescan, "DoSubFolder"), "Traiter aussi les sous-dossiers");
  EXPECT_EQ(Meaning(filescan, "Folder"), "Dossier");  // a box under a check box: its frame
  ASSERT_EQ(Orvhost({"configure", "filescan", "--set", "FileMode=0"}).status, 0);
  EXPECT_EQ(Meaning(Orvhost({"configure", "filescan"}), "FileMode"), "Importer TOUS les Fichiers");

  const RunResult filmcard = Orvhost({"configure", "filmcard", "--show"});
  EXPECT_EQ(Meaning(filmcard, "DefSupport"), "Support: DVD") << filmcard.out;
  EXPECT_EQ(Meaning(filmcard, "DefSound"), "Son: Dolby 5.1");
  EXPECT_EQ(Meaning(filmcard, "DefTime"), "Durée");
  EXPECT_EQ(Meaning(filmcard, "GetComment"), "Importer les commentaires");  // "&" gone

  // discfetch's server options belong to its CDDB settings dialog.
  const RunResult discfetch = Orvhost({"configure", "discfetch", "--show"});
  EXPECT_EQ(Meaning(discfetch, "CreateTitles"), "Créer un enregistrement par CD") << discfetch.out;
  EXPECT_EQ(Meaning(discfetch, "MaxCD"), "Durée Maxi d'un CD (mn)");
  EXPECT_EQ(Meaning(discfetch, "NbAttempt"), "Nombre de tentatives");

  ASSERT_EQ(Orvhost({"configure", "pagebuilder", "--set", "MediaType=4"}).status, 0);
  const RunResult pagebuilder = Orvhost({"configure", "pagebuilder", "--show"});
  EXPECT_EQ(Meaning(pagebuilder, "MediaType"), "Collection") << pagebuilder.out;
  EXPECT_EQ(Meaning(pagebuilder, "Template"), "Fichier modèle");
  // A value that chooses no button has no meaning rather than a wrong one.
  ASSERT_EQ(Orvhost({"configure", "pagebuilder", "--set", "MediaType=9"}).status, 0);
  EXPECT_EQ(Meaning(Orvhost({"configure", "pagebuilder"}), "MediaType"), "");
}

TEST_F(ConfigureTest, SetValuesAreStoredByKindAndReadByTheFilter) {
  SetOption("Count", "7");
  SetOption("Prefix", "Épisode");
  SetOption("count", " 8 ");  // value names ignore case: the same option again
  const std::string stored = ReadFile(KeyFile("testfilter"));
  EXPECT_THAT(stored, HasSubstr("\nCount=dword:8\n"));
  EXPECT_THAT(stored, HasSubstr("\nPrefix=sz:Épisode\n"));
  const RunResult shown = Orvhost({"configure", TESTFILTER_LIBRARY, "--show"});
  EXPECT_THAT(shown.OutLines(), Contains(MatchesRegex(Row("Count", "integer", "3", "8"))));
  EXPECT_THAT(shown.OutLines(),
              Contains(MatchesRegex(Row("Prefix", "text", "\"Film\"", "\"Épisode\""))));

  const RunResult r = Import({"--trace"});
  EXPECT_THAT(r.out, HasSubstr(R"({"op":"GetCount","result":8})"));
  EXPECT_THAT(r.out, HasSubstr("Épisode n°8"));
}

TEST_F(ConfigureTest, WhatTheFilterWouldNotUnderstandIsRefusedAndNothingWritten) {
  SetOption("Count", "4");
  const std::string before = ReadFile(KeyFile("testfilter"));
  for (const std::vector<std::string>& sets : std::vector<std::vector<std::string>>{
           {"Bogus=1"},
           {"Count=abc"},
           {"Count=12abc"},
           {"Count=99999999999"},
           {"Count="},
           {"Prefix=ok", "Count=5", "Bogus=2"},  // one bad value stops them all
       }) {
    std::vector<std::string> args = {"configure", TESTFILTER_LIBRARY};
    for (const std::string& set : sets) args.insert(args.end(), {"--set", set});
    const RunResult r = Orvhost(args);
    EXPECT_EQ(r.status, 2) << sets.back();
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(ReadFile(KeyFile("testfilter")), before) << sets.back();
  }
  // The refusal names the filter's keys, so the right one is at hand.
  const RunResult unknown = Orvhost({"configure", "filmcard", "--set", "Bogus=1"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("filmcard reads no option Bogus"));
  EXPECT_THAT(unknown.err, HasSubstr("UseCountry, AllFiles, DefScreen"));
  const RunResult text = Orvhost({"configure", "filmcard", "--set", "AllFiles=abc"});
  EXPECT_EQ(text.status, 2);
  EXPECT_THAT(text.err, HasSubstr("AllFiles"));
  EXPECT_THAT(text.err, HasSubstr("integer"));
  EXPECT_FALSE(std::filesystem::exists(KeyFile("filmcard")));
}

TEST_F(ConfigureTest, StoredValuesTheFilterDoesNotReadAreShownApart) {
  std::filesystem::create_directories(std::filesystem::path(KeyFile("testfilter")).parent_path());
  WriteFile(KeyFile("testfilter"), "Old=sz:gone\nprefix=sz:\x1b[2Jcleared\n");
  const RunResult shown = Orvhost({"configure", TESTFILTER_LIBRARY, "--show"});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const std::vector<std::string> lines = shown.OutLines();
  ASSERT_EQ(lines.size(), 16u) << shown.out;
  EXPECT_THAT(lines[11],
              MatchesRegex(Row("Prefix", "text", "\"Film\"", "\"\\\\x1b\\[2Jcleared\"")));
  EXPECT_THAT(lines[15], MatchesRegex("Old +not read +- +\"gone\""));
  EXPECT_EQ(shown.out.find('\x1b'), std::string::npos);
}

TEST_F(ConfigureTest, InfoReportsTheDescriptionAndTheOptionKeys) {
  SetOption("Category", "3");
  const RunResult r = Orvhost({"info", TESTFILTER_LIBRARY});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("filterName:   Filtre d'essai"));
  EXPECT_THAT(r.out, HasSubstr("category:     3 software"));
  EXPECT_THAT(r.out, HasSubstr("interfaceTag: 640"));
  EXPECT_THAT(r.out, HasSubstr("icon:         yes"));
  EXPECT_THAT(r.out, HasSubstr("options:      Count, Category, FailOpen, ThrowAt, SkipAt, Export, "
                               "Heading, Echo, StrangeAt, DieAt, Prefix, Link, Kind, SleepMs\n"));
}

TEST_F(ConfigureTest, DialogAnsweredFromTheAnswersFile) {
  WriteFile(folder_ + "/answers.txt", "dialog 129 set 1003=\"Série B\" check 1004=1 ok\n");
  const RunResult ok =
      Orvhost({"configure", TESTFILTER_LIBRARY, "--dialog", "--answers", folder_ + "/answers.txt"});
  ASSERT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out, "OK: options saved\n");
  const std::vector<std::string> shown =
      Orvhost({"configure", TESTFILTER_LIBRARY, "--show"}).OutLines();
  EXPECT_THAT(shown, Contains(MatchesRegex(Row("Prefix", "text", "\"Film\"", "\"Série B\""))));
  EXPECT_THAT(shown, Contains(MatchesRegex(Row("Heading", "integer", "0", "1"))));

  WriteFile(folder_ + "/cancel.txt", "dialog 129 set 1003=autre cancel\n");
  const RunResult cancelled =
      Orvhost({"configure", TESTFILTER_LIBRARY, "--dialog", "--answers", folder_ + "/cancel.txt"});
  ASSERT_EQ(cancelled.status, 0) << cancelled.err;
  EXPECT_EQ(cancelled.out, "Cancel: options unchanged\n");
  EXPECT_THAT(Orvhost({"configure", TESTFILTER_LIBRARY, "--show"}).OutLines(),
              Contains(MatchesRegex(Row("Prefix", "text", "\"Film\"", "\"Série B\""))));
}

}  // namespace
}  // namespace orv::host::testing
