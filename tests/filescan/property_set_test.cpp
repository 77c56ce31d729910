// The summary property set: the six strings, their code pages, and damaged sets.
#include "filescan/property_set.h"

#include <gtest/gtest.h>

#include "tests/builders/property_set_builder.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

SummaryProperties ParseSummary(const std::string& stream, bool expectOk = true) {
  SummaryProperties properties;
  EXPECT_EQ(ParseSummaryProperties(stream, properties), expectOk);
  return properties;
}

TEST(PropertySet, ReadsTheSixStringsOfTheSummarySection) {
  const SummaryProperties p = ParseSummary(BuildPropertySet(
      {CodePageProperty(1252), StringProperty(2, "Report"), StringProperty(3, "Q3"),
       StringProperty(4, "Zo\xE9"), StringProperty(5, "sales"), StringProperty(6, "Final"),
       StringProperty(7, "Normal.dot"), StringProperty(8, "Ren\xE9")}));
  EXPECT_EQ(p.title, "Report");
  EXPECT_EQ(p.subject, "Q3");
  EXPECT_EQ(p.author, text::Utf8ToUser("Zoé"));
  EXPECT_EQ(p.keywords, "sales");
  EXPECT_EQ(p.comments, "Final");
  EXPECT_EQ(p.lastAuthor, text::Utf8ToUser("René"));
}

TEST(PropertySet, StringsComeFromTheSetsCodePage) {
  // 65001 is stored as the signed 16-bit value -535.
  EXPECT_EQ(
      ParseSummary(BuildPropertySet({CodePageProperty(65001), StringProperty(2, "Résumé")})).title,
      text::Utf8ToUser("Résumé"));
  EXPECT_EQ(ParseSummary(BuildPropertySet({CodePageProperty(1200), {2, Utf16LpstrValue("Résumé")}}))
                .title,
            text::Utf8ToUser("Résumé"));
  EXPECT_EQ(ParseSummary(BuildPropertySet({StringProperty(2, "R\xE9sum\xE9")})).title,
            text::Utf8ToUser("Résumé"))
      << "no code page: windows-1252";
  EXPECT_EQ(ParseSummary(
                BuildPropertySet({CodePageProperty(1250), StringProperty(4, "\xA3\xF3\x64\x9F")}))
                .author,
            text::Utf8ToUser("Łódź"));
  const std::string wide = Utf16Le("Zoé") + std::string(2, '\0');
  std::string lpwstr;
  Put32(lpwstr, 4);
  lpwstr += wide;
  EXPECT_EQ(ParseSummary(BuildPropertySet({CodePageProperty(1252), {4, lpwstr, kVtLpwstr}})).author,
            text::Utf8ToUser("Zoé"));
}

TEST(PropertySet, PropertiesOfOtherTypesReadAsEmpty) {
  const SummaryProperties p =
      ParseSummary(BuildPropertySet({{2, I2Value(7), kVtI4}, StringProperty(3, "kept")}));
  EXPECT_EQ(p.title, "");
  EXPECT_EQ(p.subject, "kept");
}

TEST(PropertySet, OtherSetsAndDamagedStreamsAreRefusedOrCut) {
  const std::string other(16, '\x11');
  ParseSummary(BuildPropertySet({StringProperty(2, "x")}, other), false);
  ParseSummary("", false);
  ParseSummary(std::string(100, '\0'), false);

  std::string good = BuildPropertySet({StringProperty(2, "Report"), StringProperty(4, "Ann")});
  std::string sectionPastEnd = good;
  PatchLe(sectionPastEnd, 44, 0x7FFFFFFF, 4);
  ParseSummary(sectionPastEnd, false);

  std::string sectionCount = good;
  PatchLe(sectionCount, 24, 0xFFFFFFFF, 4);
  EXPECT_EQ(ParseSummary(sectionCount).title, "Report")
      << "the summary section is the first listed";

  std::string propertyCount = good;
  PatchLe(propertyCount, 48 + 4, 0x10000000, 4);
  ParseSummary(propertyCount, false);

  std::string valuePastEnd = good;
  PatchLe(valuePastEnd, 48 + 8 + 4, 0x7FFFFFF0, 4);  // the title's offset
  const SummaryProperties p = ParseSummary(valuePastEnd);
  EXPECT_EQ(p.title, "");
  EXPECT_EQ(p.author, "Ann");

  std::string longString = good;
  const size_t count = good.find("Report") - 4;
  PatchLe(longString, count, 0xFFFFFFFF, 4);
  EXPECT_EQ(ParseSummary(longString).title, "Report") << "the terminator still ends it";
  EXPECT_EQ(ParseSummary(good.substr(0, good.find("Report") + 3)).title, "Rep");
}

}  // namespace
}  // namespace orv::filescan
