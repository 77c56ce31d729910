#include "text/code_page_numbers.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace orv::text {
namespace {

TEST(CodePageNumbers, ConvertsTheCommonCodePagesTheSameEverywhere) {
  EXPECT_EQ(CodePageToUtf8(1252, "R\xE9sum\xE9 \x80"), "Résumé €");
  EXPECT_EQ(CodePageToUtf8(20127, "plain"), "plain");
  EXPECT_EQ(CodePageToUtf8(28591, "\xE9\x80"), "é\xC2\x80");
  EXPECT_EQ(CodePageToUtf8(65001, "Résumé"), "Résumé");
  EXPECT_EQ(CodePageToUtf8(65001, "R\xE9sum\xE9"), "Résumé") << "not UTF-8 after all";
  EXPECT_EQ(CodePageToUtf8(1200, std::string("R\0\xE9\0s\0", 6)), "Rés");
  EXPECT_EQ(CodePageToUtf8(1200, std::string("R\0\xE9\0s", 5)), "Ré") << "odd last byte";
  EXPECT_EQ(CodePageToUtf8(1201, std::string("\0R\0\xE9", 4)), "Ré");
  EXPECT_EQ(CodePageToUser(65001, "Résumé"), Utf8ToUser("Résumé"));
  EXPECT_EQ(CodePageToUser(1252, "R\xE9sum\xE9"), Utf8ToUser("Résumé"));
}

TEST(CodePageNumbers, OtherCodePagesGoThroughTheSystemElseAsWindows1252) {
  EXPECT_EQ(CodePageToUtf8(1250, "\xA3\xF3\x64\x9F"), "Łódź");
  EXPECT_EQ(CodePageToUtf8(1251, "\xCF\xF0\xE8"), "При");
  EXPECT_EQ(CodePageToUtf8(54321, "caf\xE9"), "café") << "a code page nobody knows";
}

TEST(CodePageNumbers, CharsetNamesIgnoreCaseAndBlanks) {
  EXPECT_EQ(CodePageOfCharset("UTF-8"), 65001u);
  EXPECT_EQ(CodePageOfCharset(" utf-8 "), 65001u);
  EXPECT_EQ(CodePageOfCharset("ISO-8859-1"), 1252u) << "read as windows-1252, as browsers do";
  EXPECT_EQ(CodePageOfCharset("Windows-1250"), 1250u);
  EXPECT_EQ(CodePageOfCharset("x-unknown"), 0u);
  EXPECT_EQ(CodePageOfCharset(""), 0u);
}

}  // namespace
}  // namespace orv::text
