// Splitting templates, and the texts fields are written as.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

#include "contract/list_piece.h"
#include "contract/medium.h"
#include "pagebuilder/field_text.h"
#include "pagebuilder/template_split.h"

namespace orv::pagebuilder {
namespace {

TEST(SplitTemplate, RepeatThenEorGivesLoopMode) {
  const TemplateParts parts =
      SplitTemplate("<html><!--repeat--><tr><!--title--></tr><!--eor--></html><!--eor-->!");
  EXPECT_EQ(parts.mode, ExportMode::kLoop);
  EXPECT_EQ(parts.head, "<html>");
  EXPECT_EQ(parts.body, "<!--repeat--><tr><!--title--></tr>");
  EXPECT_EQ(parts.tail, "</html>!");
}

TEST(SplitTemplate, WithoutBothTagsTheWholeTemplateIsTheBody) {
  for (const char* text : {"<p><!--title--></p>", "<p><!--repeat--><!--title--></p>",
                           "<p><!--eor--><!--title--></p>", ""}) {
    const TemplateParts parts = SplitTemplate(text);
    EXPECT_EQ(parts.mode, ExportMode::kFile) << text;
    EXPECT_EQ(parts.head, "") << text;
    EXPECT_EQ(parts.body, text);
    EXPECT_EQ(parts.tail, "") << text;
  }
}

TEST(SplitTemplate, EorBeforeRepeatGivesLoopModeWithAnEmptyBody) {
  const TemplateParts parts = SplitTemplate("A<!--eor-->B<!--repeat-->C<!--eor-->D");
  EXPECT_EQ(parts.mode, ExportMode::kLoop);
  EXPECT_EQ(parts.head, "A<!--eor-->B");
  EXPECT_EQ(parts.body, "");
  EXPECT_EQ(parts.tail, "B<!--repeat-->CD");
}

TEST(RemoveAll, RemovesEveryOccurrenceInOnePass) {
  EXPECT_EQ(RemoveAll("a<!--eor-->b<!--eor--><!--eor-->", "<!--eor-->"), "ab");
  // What joins up after a removal stays.
  EXPECT_EQ(RemoveAll("<!--e<!--eor-->or-->", "<!--eor-->"), "<!--eor-->");
}

TEST(FieldText, PricesHaveTwoDecimalsAndADecimalComma) {
  EXPECT_EQ(PriceText(12.5f), "12,50");
  EXPECT_EQ(PriceText(0.0f), "0,00");
  EXPECT_EQ(PriceText(-3.999f), "-4,00");
  EXPECT_EQ(PriceText(1234567.0f), "1234567,00");
  EXPECT_EQ(PriceText(FLT_MAX).size(), 42u);
}

TEST(FieldText, IconNamesHaveTwoDigitsAtLeast) {
  EXPECT_EQ(IconFileName(19), "icon20.gif");
  EXPECT_EQ(IconFileName(0), "icon01.gif");
  EXPECT_EQ(IconFileName(99), "icon100.gif");
  EXPECT_EQ(IconFileName(-1), "icon00.gif");
  EXPECT_EQ(IconFileName(INT32_MAX), "icon2147483648.gif");
}

TEST(FieldText, CodeNamesFollowTheListPieces) {
  const CodeNames names("Pal|Sécam||Ntsc|");
  for (int code = -2; code < 8; ++code) {
    const std::string expected =
        GetListPiece(code + 1, "Pal|Sécam||Ntsc|", "hors limite", "|", EmptyPiece::kEmptyText);
    EXPECT_EQ(names.Name(code, "hors limite"), expected) << code;
  }
  EXPECT_EQ(names.Name(INT32_MAX, "hors limite"), "hors limite");
  EXPECT_EQ(CodeNames("").Name(0, "hors limite"), "");
  EXPECT_EQ(CodeNames("").Name(5, "hors limite"), "");
}

TEST(FieldText, MediumNamesGiveDvdForCode19) {
  const CodeNames media(MediumNames());
  EXPECT_EQ(media.Name(19, "erreur"), "DVD");
  EXPECT_EQ(media.Name(90, "erreur"), "Dossier");
  EXPECT_EQ(media.Name(91, "erreur"), "erreur");
  EXPECT_EQ(media.Name(-1, "erreur"), "erreur");
}

TEST(FieldText, CommentLineBreaksBecomeBrInHtml) {
  EXPECT_EQ(CommentAsHtml("un\r\ndeux\\ntrois"), "un<br>deux<br>trois");
  // A lone line feed or carriage return stays, as does a lone backslash.
  EXPECT_EQ(CommentAsHtml("a\nb\rc\\"), "a\nb\rc\\");
  // CR LF first: the backslash before it does not join an "n" after it.
  EXPECT_EQ(CommentAsHtml("a\\\r\nn"), "a\\<br>n");
}

}  // namespace
}  // namespace orv::pagebuilder
