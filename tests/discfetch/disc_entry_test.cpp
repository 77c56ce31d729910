// xmcd entries into DiscEntry: completeness, splitting, escapes, lists that only grow.
#include "discfetch/disc_entry.h"

#include <gtest/gtest.h>

#include "tests/discfetch/entry_text.h"

namespace orv::discfetch {
namespace {

using testing::EntryText;

TEST(DiscEntryParse, CompleteEntryGivesEveryField) {
  DiscEntry entry;
  ASSERT_TRUE(ParseDiscEntry(EntryText("0501a302", "Various / Best of", {"One", "Two"},
                                       "DYEAR=1994\nDGENRE=Rock\nDGENRE= Indé\n"
                                       "PLAYORDER=2,1,\n"),
                             entry));
  EXPECT_EQ(entry.discId, 0x0501a302u);
  EXPECT_EQ(entry.discArtist, "Various");
  EXPECT_EQ(entry.discTitle, "Best of");
  EXPECT_EQ(entry.trackTitles, (std::vector<std::string>{"One", "Two"}));
  EXPECT_EQ(entry.discYear, 1994);
  EXPECT_EQ(entry.discGenre, "Rock Indé");
  EXPECT_EQ(entry.discLength, 421);
  EXPECT_EQ(entry.revision, 3);
  EXPECT_EQ(entry.offsets, (std::vector<int32_t>{150, 15787}));
  EXPECT_EQ(entry.submitClient, "fakeclient");
  EXPECT_EQ(entry.submitVersion, "1.0");
  EXPECT_EQ(entry.submitComment, "tests");
  EXPECT_EQ(entry.playOrder, (std::vector<int32_t>{2, 1}));
}

TEST(DiscEntryParse, DiscTitleSplitsAtSpacedSlashAndJoinsContinuations) {
  DiscEntry entry;
  ASSERT_TRUE(
      ParseDiscEntry(EntryText("0501a302", "AC/DC / Back in", {"x"}, "DTITLE= Black\n"), entry));
  EXPECT_EQ(entry.discArtist, "AC/DC");
  EXPECT_EQ(entry.discTitle, "Back in Black");
  ASSERT_TRUE(ParseDiscEntry(EntryText("0501a302", "Live", {"x"}), entry));
  EXPECT_EQ(entry.discArtist, "Live");
  EXPECT_EQ(entry.discTitle, "Live");
}

TEST(DiscEntryParse, IncompleteEntriesAreRefused) {
  DiscEntry entry;
  const std::string good = EntryText("0501a302", "A / B", {"x", "y"});
  EXPECT_TRUE(ParseDiscEntry(good, entry));
  const auto without = [&](const std::string& piece) {
    std::string text = good;
    text.erase(text.find(piece), piece.size());
    return text;
  };
  EXPECT_FALSE(ParseDiscEntry(without("# xmcd\n"), entry));
  EXPECT_FALSE(ParseDiscEntry(without("# Submitted via: fakeclient 1.0 tests\n"), entry));
  EXPECT_FALSE(ParseDiscEntry(without("EXTT1=\n"), entry)) << "two titles, one EXTT";
  EXPECT_FALSE(ParseDiscEntry(without("DTITLE=A / B\n"), entry));
  EXPECT_FALSE(ParseDiscEntry(EntryText("0501a30", "A / B", {"x"}), entry))
      << "a seven-character DISCID is no identifier";
  std::string oneWord = good;
  oneWord.replace(oneWord.find("fakeclient 1.0 tests"), 20, "fakeclient");
  EXPECT_FALSE(ParseDiscEntry(oneWord, entry));
  EXPECT_FALSE(ParseDiscEntry("", entry));
}

TEST(DiscEntryParse, EscapesAreDecodedInOnePassFromTheLeft) {
  EXPECT_EQ(DecodeEscapes("a\\nb"), "a\nb");
  EXPECT_EQ(DecodeEscapes("a\\\\nb"), "a\\nb") << "backslash, backslash, n: a backslash and n";
  EXPECT_EQ(DecodeEscapes("a\\\\tb"), "a\\tb");
  EXPECT_EQ(DecodeEscapes("tab\\there"), "tab\there");
  EXPECT_EQ(DecodeEscapes("keep \\x and a trailing \\"), "keep \\x and a trailing \\");
}

TEST(DiscEntryParse, TitleListsOnlyGrowAndContinueTheirEntries) {
  DiscEntry entry;
  // TTITLE2 first, then TTITLE0 and a continuation of TTITLE2: nothing is dropped.
  ASSERT_TRUE(ParseDiscEntry(
      "# xmcd\n# Track frame offsets:\n# 150\n# Disc length:2832\n# Submitted via: c 1\n"
      "DISCID=0501a302\nDTITLE=A / B\nTTITLE2=Three\nTTITLE0=One\nTTITLE2= and more\n"
      "TTITLE99999=ignored\nEXTT2=\n",
      entry));
  EXPECT_EQ(entry.trackTitles, (std::vector<std::string>{"One", "", "Three and more"}));
  EXPECT_EQ(entry.discLength, 2832) << "the number right after the keyword";
  EXPECT_EQ(entry.submitComment, "");
}

TEST(DiscEntryParse, CrLfLinesAndValuesWithEqualsSigns) {
  DiscEntry entry;
  std::string text = EntryText("0501a302", "A=B / C", {"x=y"});
  std::string crlf;
  for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_TRUE(ParseDiscEntry(crlf, entry));
  EXPECT_EQ(entry.discArtist, "A=B");
  EXPECT_EQ(entry.trackTitles[0], "x=y");
}

}  // namespace
}  // namespace orv::discfetch
