#include "pagebuilder/page_names.h"

#include <gtest/gtest.h>

#include <set>

#include "contract/path.h"

namespace orv::pagebuilder {
namespace {

std::string In(const std::string& folder, const std::string& name) {
  return JoinPath(JoinPath("/tmp", folder), name);
}

TEST(PageNamer, NumbersGoBeforeTheFirstDotOrAfterTheName) {
  PageNamer dotted(In("site", "liste.htm"));
  EXPECT_EQ(dotted.Next("", false), In("site", "liste01.htm"));
  EXPECT_EQ(dotted.Next("", false), In("site", "liste02.htm"));
  EXPECT_EQ(dotted.NumberedPath(100), In("site", "liste100.htm"));
  EXPECT_EQ(PageNamer(In("site", "a.tar.gz")).Next("", false), In("site", "a01.tar.gz"));

  PageNamer bare(In("site", "liste"));
  EXPECT_EQ(bare.Next("", false), In("site", "liste1"));
  EXPECT_EQ(bare.Next("", false), In("site", "liste2"));
}

TEST(PageNamer, ADotInTheFolderNameDoesNotMoveTheNumberOutOfIt) {
  PageNamer names(In("old.site", "liste"));
  EXPECT_EQ(names.Next("", false), In("old.site", "liste1"));
  PageNamer dotted(In("old.site", "liste.htm"));
  EXPECT_EQ(dotted.Next("", false), In("old.site", "liste01.htm"));
}

TEST(PageNamer, TitlesGiveNamesWithTheExtensionOfTheChosenFile) {
  PageNamer names(In("site", "page.html"));
  EXPECT_EQ(names.Next("Le Grand Bleu", true), In("site", "Le Grand Bleu.html"));
  EXPECT_EQ(PageNamer(In("site", "page")).Next("Alien", true), In("site", "Alien.htm"));
  EXPECT_EQ(PageNamer(In("site", "p.xml")).Next("Vol. 2", true), In("site", "Vol. 2.xml"));
}

TEST(PageNamer, ASecondPageOfTheSameTitleGetsACountInsteadOfReplacingTheFirst) {
  PageNamer names(In("site", "page.htm"));
  EXPECT_EQ(names.Next("Alien", true), In("site", "Alien.htm"));
  EXPECT_EQ(names.Next("Alien", true), In("site", "Alien (2).htm"));
  EXPECT_EQ(names.Next("alien", true), In("site", "alien (3).htm"));
  // A title that happens to look like a counted one still gets a name of its own.
  EXPECT_EQ(names.Next("Alien (2)", true), In("site", "Alien (2) (2).htm"));
}

TEST(PageNamer, UnusableTitlesFallBackToNumberedNames) {
  PageNamer names(In("site", "page.htm"));
  EXPECT_EQ(names.Next("", true), In("site", "page01.htm"));
  EXPECT_EQ(names.Next("..", true), In("site", "page02.htm"));
  EXPECT_EQ(names.Next(" . / ", true), In("site", "page03.htm"));
  EXPECT_EQ(names.Next("nul", true), In("site", "page04.htm"));
  EXPECT_EQ(names.Next("Titre", true), In("site", "Titre.htm"));
  EXPECT_EQ(names.Next("", true), In("site", "page05.htm"));
}

TEST(FileNameFromTitle, NothingCanLeaveTheFolder) {
  EXPECT_EQ(FileNameFromTitle("../../x"), "      x");
  EXPECT_EQ(FileNameFromTitle("a\\b/c"), "a b c");
  EXPECT_EQ(FileNameFromTitle("Quoi? \"Oui\" <non> a*b|c:d"), "Quoi   Oui   non  a b c d");
  EXPECT_EQ(FileNameFromTitle("tab\there"), "tab here");
  EXPECT_EQ(FileNameFromTitle("Et...après"), "Et   après");
  EXPECT_EQ(FileNameFromTitle("Vol. 2"), "Vol. 2");
  for (const char* unusable : {"", "..", "...", ". .", "/", "CON", "com1", "Lpt9.txt", "aux "}) {
    EXPECT_EQ(FileNameFromTitle(unusable), "") << unusable;
  }
  EXPECT_EQ(FileNameFromTitle("Console"), "Console");
}

TEST(FileNameFromTitle, LongTitlesAreCutWithoutSplittingACharacter) {
  std::string title;
  for (int i = 0; i < 100; ++i) title += "é";  // two bytes each
  const std::string name = FileNameFromTitle(title);
  EXPECT_LE(name.size(), 120u);
  EXPECT_GE(name.size(), 100u);
  EXPECT_EQ(name.size() % 2, 0u);
}

}  // namespace
}  // namespace orv::pagebuilder
