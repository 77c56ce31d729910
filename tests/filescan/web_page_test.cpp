// The web page reader: title, description and charset of the head, and what it reads.
#include <gtest/gtest.h>

#include "filescan/web_page_head.h"
#include "filescan/web_page_reader.h"
#include "tests/filescan/scan_fixture.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

TEST(WebPageHead, TitleIsThePagesOwnTextBetweenTheFirstTitleTags) {
  EXPECT_EQ(DecodeWebPageHead("<HTML><HEAD><TITLE>My Page</TITLE>").title, "My Page");
  EXPECT_EQ(DecodeWebPageHead("<title>\r\n  Caf&eacute; &amp;\r\n\t  Th&#233;&#xE2;tre </title>").title,
            text::Utf8ToUser("Café & Théâtre"));
  EXPECT_EQ(DecodeWebPageHead("<title> &nbsp; </title>").title, "");
  EXPECT_EQ(DecodeWebPageHead("</title> <title>late").title, "");
  EXPECT_EQ(DecodeWebPageHead("<h1>no title</h1>").title, "");
  EXPECT_EQ(DecodeWebPageHead(std::string("<title>cut\0</title>", 19)).title, "")
      << "the text ends at the first zero byte";
}

TEST(WebPageHead, DescriptionEndsAtItsClosingQuote) {
  const auto description = [](const std::string& page) {
    const WebPageHead head = DecodeWebPageHead(page);
    return head.hasDescription ? head.description : std::string("<none>");
  };
  EXPECT_EQ(description("<meta name=\"description\" content=\"A site\">"), "A site");
  EXPECT_EQ(description("<meta name=\"description\" content=\"A site\"/><p>\"></p>"), "A site");
  EXPECT_EQ(description("<META NAME=\"Description\" CONTENT=\"A site\" />\n<b>x\">"), "A site");
  EXPECT_EQ(description("<meta name='description' content='A site'>"), "<none>");
  EXPECT_EQ(description("<meta name=\"description\" content=\"never closed"), "<none>");
  EXPECT_EQ(description("<meta name=\"description\" content=\"\n  Pr&eacute;sentation\n  &amp; tarifs\n\">"),
            text::Utf8ToUser("Présentation & tarifs"));
}

TEST(WebPageHead, TextsAreReadInTheDeclaredCharset) {
  EXPECT_EQ(DecodeWebPageHead("<meta charset=\"utf-8\"><title>Résumé</title>").title,
            text::Utf8ToUser("Résumé"));
  EXPECT_EQ(DecodeWebPageHead("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                              "charset=ISO-8859-1\"><title>R\xE9sum\xE9</title>")
                .title,
            text::Utf8ToUser("Résumé"));
  EXPECT_EQ(DecodeWebPageHead("<title>R\xE9sum\xE9</title>").title, text::Utf8ToUser("Résumé"))
      << "undeclared: windows-1252";
  EXPECT_EQ(DecodeWebPageHead("\xEF\xBB\xBF<title>Résumé</title>").title,
            text::Utf8ToUser("Résumé"));
  EXPECT_EQ(DecodeWebPageHead("<title>\xE9</title></head><meta charset=utf-8>").title,
            text::Utf8ToUser("é"))
      << "a declaration after the head does not count";
  const WebPageHead head = DecodeWebPageHead(
      "<meta charset=windows-1250><meta name=description content=\"\xA3\xF3\x64\x9F\">");
  EXPECT_EQ(head.description, text::Utf8ToUser("Łódź"));
}

TEST(WebPageHead, AHeadOfTagsThatAreNeverClosedIsReadInOnePass) {
  // Searched for their '>' and "charset" once a tag, these 4 MiB took minutes.
  std::string page = "<html><head>";
  while (page.size() < kMaxWebPageBytes) page += "<meta ";
  EXPECT_EQ(DecodeWebPageHead(page + "<title>\xC3\xA9</title>").title, text::Utf8ToUser("Ã©"));
  // The first tag runs up to the first '>': the charset at the end is its own.
  EXPECT_EQ(DecodeWebPageHead(page + "charset=utf-8><title>\xC3\xA9</title>").title,
            text::Utf8ToUser("é"));
}

TEST(WebPageReader, FillsTitleAndCommentOrFallsBackToTheFileTitle) {
  TempFolder folder;
  HostItem item;
  EXPECT_EQ(
      ReadWebPage(
          folder.Write("p.htm", "<title>Home</title><meta name=\"description\" content=\"Hi\">"),
          "p", *item),
      1);
  EXPECT_EQ(StringOf(item->title), "Home");
  EXPECT_EQ(StringOf(item->comment), "Hi");
  HostItem bare;
  EXPECT_EQ(ReadWebPage(folder.Write("my_page.html", "<p>text"), "my_page", *bare), 1);
  EXPECT_EQ(StringOf(bare->title), "my_page");
  EXPECT_EQ(StringOf(bare->comment), "");
}

TEST(WebPageReader, AnUnreadablePageWritesNothing) {
  TempFolder folder;
  HostItem item;
  EXPECT_EQ(ReadWebPage(folder / "gone.htm", "gone", *item), 0);
  EXPECT_EQ(ReadWebPage(folder.Path().string(), "folder", *item), 0);
  EXPECT_EQ(StringOf(item->title), "");
}

TEST(WebPageReader, ReadsOnlyTheFirstMebibytesOfAHugePage) {
  TempFolder folder;
  std::string page = "<title>Big</title>";
  page.resize(kMaxWebPageBytes + 100, ' ');
  page += "<meta name=\"description\" content=\"too far\">";
  HostItem item;
  EXPECT_EQ(ReadWebPage(folder.Write("big.htm", page), "big", *item), 1);
  EXPECT_EQ(StringOf(item->title), "Big");
  EXPECT_EQ(StringOf(item->comment), "");
}

}  // namespace
}  // namespace orv::filescan
