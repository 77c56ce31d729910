// Texts of a result page turned into the item's numbers and codes.
#include "websearch/value_rules.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/builders/user_text.h"
#include "text/codepage.h"
#include "websearch/keywords.h"

namespace orv::websearch {
namespace {

using orv::testing::U;

TEST(RunningTime, HoursMinutesAndWhatTheTextSays) {
  EXPECT_EQ(RunningTime("95"), "01:35:00");
  EXPECT_EQ(RunningTime("2"), "02:00:00");
  EXPECT_EQ(RunningTime("1h35"), "01:35:00");
  EXPECT_EQ(RunningTime("2:05"), "02:05:00");
  EXPECT_EQ(RunningTime("1H 35min"), "01:35:00");
  EXPECT_EQ(RunningTime("25 min"), "00:25:00");
  EXPECT_EQ(RunningTime("12 mn"), "00:12:00");
  EXPECT_EQ(RunningTime("1:75"), "02:15:00");
  EXPECT_EQ(RunningTime("25h"), "01:00:00");  // hours wrap as on a clock
  EXPECT_EQ(RunningTime("inconnue"), "00:00:00");
}

TEST(Rating, BroughtToFive) {
  EXPECT_EQ(Rating("4"), 4);
  EXPECT_EQ(Rating("8/10"), 5);
  EXPECT_EQ(Rating("16 / 20"), 8);
  EXPECT_EQ(Rating("sans"), 0);
}

TEST(PriceValue, DecimalCommaAndThousandsSeparators) {
  EXPECT_DOUBLE_EQ(PriceValue("12,50"), 12.5);
  EXPECT_DOUBLE_EQ(PriceValue(" 15.99 EUR"), 15.99);
  EXPECT_DOUBLE_EQ(PriceValue("1.234,50"), 1234.5);
  EXPECT_DOUBLE_EQ(PriceValue("1,234.50"), 1234.5);
  EXPECT_DOUBLE_EQ(PriceValue("1.234.567"), 1234567);
  EXPECT_DOUBLE_EQ(PriceValue("20"), 20);
  EXPECT_DOUBLE_EQ(PriceValue("EUR 12"), 0);  // the number must come first
  EXPECT_DOUBLE_EQ(PriceValue(""), 0);
}

TEST(PriceValue, LongRunsOfDigitsGiveAFiniteNumberOrNone) {
  EXPECT_DOUBLE_EQ(PriceValue("1." + std::string(400, '0') + "5"), 1);
  EXPECT_DOUBLE_EQ(PriceValue("0,12345678901234567890"), 0.123456789012345);
  EXPECT_DOUBLE_EQ(PriceValue(std::string(400, '9') + ",50"), 0);  // past a float's range
  EXPECT_DOUBLE_EQ(PriceValue(std::string(400, '9')), 0);
}

TEST(Keywords, SoundWithoutRegardToAccentsAndOnlyAWhole61) {
  const std::string sound = "MONO|STEREO|DOLBY|AC3|THX|DTS|5.0|5.1|6.1|MP3|WMA";
  EXPECT_EQ(LastKeywordMatch(U("Stéréo"), sound), 1);
  EXPECT_EQ(LastKeywordMatch("Dolby Digital 5.1", sound), 7);
  EXPECT_EQ(LastKeywordMatch("DTS 6.1 ES", sound), 8);
  EXPECT_EQ(LastKeywordMatch("MP3 768 kbps", sound), 9);
  EXPECT_FALSE(LastKeywordMatch("muet", sound));
}

TEST(Keywords, ScreenFormat) {
  EXPECT_EQ(ScreenCode("Plein écran 4/3", "PL|PAN|4:3|4/3|1:33|FULL", "SCOPE|16|85"), 3);
  EXPECT_EQ(ScreenCode("2,35 Cinemascope", "PL|PAN|4:3|4/3|1:33|FULL", "SCOPE|16|85"), 0);
  EXPECT_EQ(ScreenCode("16/9 compatible 4/3", "PL|PAN|4:3|4/3|1:33|FULL", "SCOPE|16|85"), 1);
  EXPECT_EQ(ScreenCode("1,85", "PL|PAN|4:3|4/3|1:33|FULL", "SCOPE|16|85"), 2);
  EXPECT_FALSE(ScreenCode("inconnu", "PL|PAN|4:3|4/3|1:33|FULL", "SCOPE|16|85"));
}

TEST(EncodeKeywords, EveryByteReachesTheSite) {
  EXPECT_EQ(EncodeKeywords("le grand  bleu"), "le+grand++bleu");
  EXPECT_EQ(EncodeKeywords("tom & jerry #2 100%"), "tom+%26+jerry+%232+100%25");
  EXPECT_EQ(EncodeKeywords("a+b/c?d=e~f_g.h-i"), "a%2Bb%2Fc%3Fd%3De~f_g.h-i");
  // The bytes of the user's code page: UTF-8 on Linux, windows-1252 on Windows.
  const std::string amelie = U("amélie");
  std::string expected = "am";
  for (size_t i = 2; i + 3 < amelie.size(); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(amelie[i]));
    expected += hex;
  }
  EXPECT_EQ(EncodeKeywords(amelie), expected + "lie");
  EXPECT_EQ(EncodeKeywords("a b", "%20AND%20"), "a%20AND%20b");
}

}  // namespace
}  // namespace orv::websearch
