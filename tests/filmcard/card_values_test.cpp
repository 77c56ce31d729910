// How the values of a card are read: the lines themselves, numbers, running times, the video
// standard from the country, and the composed title.
#include <gtest/gtest.h>

#include <string>

#include "filmcard/card_reader.h"
#include "filmcard/running_time.h"
#include "filmcard/title_composition.h"
#include "filmcard/video_standard.h"
#include "tests/builders/user_text.h"
#include "text/codepage.h"

namespace orv::filmcard {
namespace {

// Expected texts are written in UTF-8 here; the filter speaks the user's code page.
using orv::testing::U;

TEST(CardReader, SplitsCrLfAndLfAndReadsMissingLinesAsEmpty) {
  const CardLines lines = DecodeCard("Un\r\nDeux\nTrois\r\n\r\nCinq");
  EXPECT_EQ(lines[0], "Un");
  EXPECT_EQ(lines[1], "Deux");
  EXPECT_EQ(lines[2], "Trois");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "Cinq");
  for (size_t i = 5; i < kCardLineCount; ++i) EXPECT_EQ(lines[i], "") << i;

  const CardLines empty = DecodeCard("");
  for (const std::string& line : empty) EXPECT_EQ(line, "");
}

TEST(CardReader, KeepsTenLinesAndIgnoresTheRest) {
  std::string bytes;
  for (int i = 1; i <= 14; ++i) bytes += "ligne " + std::to_string(i) + "\n";
  const CardLines lines = DecodeCard(bytes);
  EXPECT_EQ(lines[9], "ligne 10");
}

TEST(CardReader, DecodesWindows1252UnlessTheCardIsUtf8) {
  // "Été" and "Cinéma" in windows-1252 ...
  EXPECT_EQ(DecodeCard("\xC9t\xE9\r\nCin\xE9ma\r\n")[0], U("Été"));
  // ... and in UTF-8, with a byte-order mark that is no part of the title.
  const CardLines utf8 = DecodeCard("\xEF\xBB\xBF\xC3\x89t\xC3\xA9\nCin\xC3\xA9ma\n");
  EXPECT_EQ(utf8[0], U("Été"));
  EXPECT_EQ(utf8[1], U("Cinéma"));
  // One windows-1252 byte in any used line makes the whole card windows-1252.
  const CardLines mixed = DecodeCard("\xC3\xA9t\xC3\xA9\nCin\xE9ma\n");
  EXPECT_EQ(mixed[1], U("Cinéma"));
  EXPECT_EQ(mixed[0], U("Ã©tÃ©"));
}

TEST(CardReader, OddBytesNeverBreakTheRead) {
  // Zero bytes are dropped (host texts cannot hold them), a huge line without an end is a line.
  std::string bytes("A\0B\r\n", 5);
  bytes += std::string(300000, 'x');
  const CardLines lines = DecodeCard(bytes);
  EXPECT_EQ(lines[0], "AB");
  EXPECT_EQ(lines[1].size(), 300000u);
  // Only CR LF and LF end a line.
  EXPECT_EQ(DecodeCard("a\rb\n")[0], "a\rb");
  EXPECT_EQ(DecodeCard("\r\n\n\r")[1], "");
}

TEST(RunningTime, HoursAndMinutesCarryLikeAClock) {
  EXPECT_EQ(RunningTimeOf("1H45"), "01:45:00");
  EXPECT_EQ(RunningTimeOf("2H"), "02:00:00");
  EXPECT_EQ(RunningTimeOf("0H90"), "01:30:00");
  EXPECT_EQ(RunningTimeOf("105"), "09:00:00");  // hours only, wrapping at 24
  EXPECT_EQ(RunningTimeOf(" 1H 5 "), "01:05:00");
  EXPECT_EQ(RunningTimeOf("H50"), "00:50:00");
  EXPECT_EQ(RunningTimeOf("23H60"), "00:00:00");
  EXPECT_EQ(RunningTimeOf("0H-30"), "23:30:00");
  EXPECT_EQ(RunningTimeOf("99999999999H99999999999"), RunningTimeOf("2147483647H2147483647"));
  // The letter is upper case only: "1h45" is one hour.
  EXPECT_EQ(RunningTimeOf("1h45"), "01:00:00");
}

TEST(RunningTime, NoNumberGivesNothingSoTheDefaultStandsIn) {
  EXPECT_FALSE(RunningTimeOf("").has_value());
  EXPECT_FALSE(RunningTimeOf("inconnue").has_value());
  EXPECT_FALSE(RunningTimeOf("H").has_value());
  EXPECT_EQ(DefaultDuration("02:10:05", "01:30:00"), "02:10:05");
  EXPECT_EQ(DefaultDuration("2:10", "01:30:00"), "01:30:00");
  EXPECT_EQ(DefaultDuration("ab:cd:ef", "01:30:00"), "00:00:00");
}

TEST(VideoStandard, SubstringsOfTheUpperCasedCountryLine) {
  EXPECT_EQ(VideoStandardOf("USA / FRANCE", 5), kFormatNtsc);  // both lists: Ntsc wins
  EXPECT_EQ(VideoStandardOf("Allemagne", 5), kFormatPal);      // "ALL"
  EXPECT_EQ(VideoStandardOf("France", 5), kFormatPal);
  EXPECT_EQ(VideoStandardOf("japon", 5), kFormatNtsc);
  EXPECT_EQ(VideoStandardOf("Inde", 5), 5);  // neither keeps the default
  EXPECT_EQ(VideoStandardOf("", 3), 3);
  // Walks stop at the first empty piece.
  EXPECT_EQ(VideoStandardOf("INDE", 4, "FRA,,IND", "US"), 4);
  EXPECT_EQ(VideoStandardOf("INDE", 4, "", ""), 4);
}

TEST(TitleComposition, FourWaysWithAndWithoutAnEnglishTitle) {
  const std::string untitled = "Sans titre";
  EXPECT_EQ(ComposeTitle("Les Oiseaux", "The Birds", kTitleFrench, false, untitled), "Les Oiseaux");
  EXPECT_EQ(ComposeTitle("Les Oiseaux", "The Birds", kTitleEnglish, false, untitled), "The Birds");
  EXPECT_EQ(ComposeTitle("Les Oiseaux", "The Birds", kTitleFrenchThenEnglish, false, untitled),
            "Les Oiseaux (The Birds)");
  EXPECT_EQ(ComposeTitle("Les Oiseaux", "The Birds", kTitleEnglishThenFrench, false, untitled),
            "The Birds (Les Oiseaux)");
  for (int32_t way : {0, 1, 2, 3, 9, -1}) {
    EXPECT_EQ(ComposeTitle("Les Oiseaux", "", way, false, untitled), "Les Oiseaux") << way;
    EXPECT_EQ(ComposeTitle("", "", way, false, untitled), untitled) << way;
  }
  EXPECT_EQ(ComposeTitle("", "The Birds", kTitleEnglish, false, untitled), "The Birds");
  EXPECT_EQ(ComposeTitle("", "The Birds", kTitleFrenchThenEnglish, false, untitled),
            " (The Birds)");
}

TEST(TitleComposition, LowerCaseKeepsACapitalFirstLetter) {
  EXPECT_EQ(ComposeTitle("LE GRAND BLEU", "", kTitleFrench, true, "x"), "Le grand bleu");
  EXPECT_EQ(ComposeTitle("", "", kTitleFrench, true, "Sans titre"), "Sans titre");
  EXPECT_EQ(ComposeTitle("1941", "", kTitleFrench, true, "x"), "1941");
  // Only ASCII letters change case.
  EXPECT_EQ(ComposeTitle(U("ÉTÉ MEURTRIER"), "", kTitleFrench, true, "x"), U("ÉtÉ meurtrier"));
}

}  // namespace
}  // namespace orv::filmcard
