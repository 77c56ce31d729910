// What orvhost prints of outside texts: escaped, and cut to columns at word boundaries.
#include "host/output/terminal_text.h"

#include <gtest/gtest.h>

#include "host/filter/filter_options.h"
#include "host/filter/progress.h"

namespace orv::host {
namespace {

TEST(TerminalTextTest, ControlsAndInvalidBytesAreEscapedEverythingElseKept) {
  EXPECT_EQ(Printable("a\tb\nc\rd"), "a\\tb\\nc\\rd");
  EXPECT_EQ(Printable(std::string("\x1b[2J\x07\0\x7f", 7)), "\\x1b[2J\\x07\\x00\\x7f");
  EXPECT_EQ(Printable("\xc2\x9b"
                      "31m \xc2\x85"),
            "\\u009b31m \\u0085");
  // A lone 0x9B is the 8-bit CSI to a terminal that is not in UTF-8 mode.
  EXPECT_EQ(Printable("\x9b"
                      "1m \xe2\x82"),
            "\\x9b1m \\xe2\\x82");
  EXPECT_EQ(Printable("Zoé ① €"), "Zoé ① €");
}

TEST(TerminalTextTest, LongTextsAreCutAtTheirLastWordThatFits) {
  EXPECT_EQ(CutToWidth("Le grand bleu", 20), "Le grand bleu");
  EXPECT_EQ(CutToWidth("Le grand bleu", 13), "Le grand bleu");
  EXPECT_EQ(CutToWidth("Le grand bleu", 12), "Le grand…");
  EXPECT_EQ(CutToWidth("Le grand bleu", 9), "Le grand…");  // the blank after "grand" is a boundary
  EXPECT_EQ(CutToWidth("Le grand bleu", 8), "Le…");
  EXPECT_EQ(CutToWidth("Épisodes à Noël", 12), "Épisodes à…");  // characters, not bytes
  // One long word, or blanks before it, is cut where it must be.
  EXPECT_EQ(CutToWidth("Anticonstitutionnellement", 6), "Antic…");
  EXPECT_EQ(CutToWidth("  Anticonstitutionnellement", 6), "  Ant…");
  EXPECT_EQ(CutToWidth("abc", 0), "");
  EXPECT_EQ(FitColumn("Zoé", 5), "Zoé  ");
  EXPECT_EQ(CharacterCount(FitColumn("Le grand bleu", 9)), 9u);
}

TEST(FilterOptionsTest, IntegersAreWholeAndOfThirtyTwoBits) {
  EXPECT_EQ(WholeInteger("12"), 12);
  EXPECT_EQ(WholeInteger(" -7 "), -7);
  EXPECT_EQ(WholeInteger("+3"), 3);
  EXPECT_EQ(WholeInteger("2147483647"), 2147483647);
  EXPECT_EQ(WholeInteger("-2147483648"), -2147483647 - 1);
  for (const char* refused :
       {"", " ", "abc", "12abc", "1 2", "2147483648", "99999999999", "-", "0x10", "1.5"}) {
    EXPECT_FALSE(WholeInteger(refused)) << refused;
  }
}

TEST(FilterOptionsTest, SetsAreCheckedAgainstWhatTheFilterReads) {
  FilterOptions options;
  options.recorded = true;
  FilterOption count;
  count.name = "Count";
  count.read = true;
  count.byDefault.isInteger = true;
  FilterOption prefix;
  prefix.name = "Prefix";
  prefix.read = true;
  FilterOption old;  // stored, but not read: not a key to set
  old.name = "Old";
  old.stored = platform::ProfileValue{"Old", false, 0, "x"};
  options.options = {count, prefix, old};

  std::vector<platform::ProfileValue> values;
  std::string error;
  ASSERT_TRUE(
      PrepareSets(options, {{"count", "5"}, {"PREFIX", "7"}, {"Count", "6"}}, "f", values, error));
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].name, "Count");  // the filter's spelling
  EXPECT_TRUE(values[0].isInteger);
  EXPECT_EQ(values[0].integer, 6);  // the last of a key set twice
  EXPECT_EQ(values[1].name, "Prefix");
  EXPECT_FALSE(values[1].isInteger);  // a text option keeps digits as text
  EXPECT_EQ(values[1].text, "7");

  EXPECT_FALSE(PrepareSets(options, {{"Old", "y"}}, "f", values, error));
  EXPECT_EQ(error, "f reads no option Old; its options: Count, Prefix");
  EXPECT_FALSE(PrepareSets(options, {{"Count", "many"}}, "f", values, error));

  // Without a record every key goes in as text, as before.
  options.recorded = false;
  ASSERT_TRUE(PrepareSets(options, {{"Anything", "many"}}, "f", values, error));
  EXPECT_FALSE(values[0].isInteger);
}

}  // namespace
}  // namespace orv::host

TEST(ProgressTextTest, PastTheAnnouncedCountOnlyTheNumberDoneShows) {
  EXPECT_EQ(orv::host::ProgressText(0, 3), "0/3");
  EXPECT_EQ(orv::host::ProgressText(3, 3), "3/3");
  EXPECT_EQ(orv::host::ProgressText(4, 3), "4");
  EXPECT_EQ(orv::host::ProgressText(2, 1), "2");
  // No count announced (GetCount gave 0 or less).
  EXPECT_EQ(orv::host::ProgressText(5, 0), "5");
  EXPECT_EQ(orv::host::ProgressText(5, -1), "5");
}
