// Web pages as text: character sets, character references, HTML clean-up, line breaks.
#include <gtest/gtest.h>

#include <string>

#include "tests/builders/user_text.h"
#include "text/codepage.h"
#include "text/html_charset.h"
#include "text/html_entities.h"
#include "websearch/html_cleanup.h"

namespace orv::websearch {
namespace {

using orv::testing::U;

TEST(PageCharset, DeclaredSetWinsAndLatin1ReadsAsWindows1252) {
  const std::string utf8Page = "<p>Fran\xC3\xA7ois</p>";
  EXPECT_EQ(text::PageToUser(utf8Page, "text/html; charset=UTF-8"), U("<p>François</p>"));
  EXPECT_EQ(text::PageToUser("<meta charset=\"utf-8\"><p>Fran\xC3\xA7ois</p>", ""),
            U("<meta charset=\"utf-8\"><p>François</p>"));
  EXPECT_EQ(text::PageToUser("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=utf-8\">\xC3\xA9t\xC3\xA9",
                             "text/html"),
            U("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">été"));
  // The header beats the tag; without either, windows-1252 (0x80 is the euro sign).
  EXPECT_EQ(text::PageToUser("<meta charset=utf-8>\xE9\x80", "text/html; charset=iso-8859-1"),
            U("<meta charset=utf-8>é€"));
  EXPECT_EQ(text::PageToUser("caf\xE9", ""), U("café"));
  // A UTF-8 page with a stray windows-1252 byte keeps both readable.
  EXPECT_EQ(text::PageToUser("\xC3\xA9 caf\xE9", "text/html;charset=utf-8"), U("é café"));
}

TEST(PageCharset, UndeclaredIsUtf8WhenItsBytesAreValidUtf8) {
  EXPECT_EQ(text::PageToUser("<h1>Am\xC3\xA9lie \xE2\x82\xAC</h1>", "text/html"),
            U("<h1>Amélie €</h1>"));
  EXPECT_EQ(text::PageToUser("<h1>Am\xE9lie \x80</h1>", "text/html"), U("<h1>Amélie €</h1>"));
  // A set nobody knows counts as no declaration; one known in the head is used (windows-1251).
  EXPECT_EQ(text::CodePageOfPage("text/html; charset=x-klingon", "caf\xC3\xA9"), 65001u);
  EXPECT_EQ(text::CodePageOfPage("", "<HEAD><META CHARSET = 'Windows-1251'></HEAD>\xCF"), 1251u);
  EXPECT_EQ(text::CodePageOfPage("", "\xEF\xBB\xBF<meta charset=iso-8859-1>"), 65001u)
      << "the byte order mark comes first";
  EXPECT_EQ(text::CodePageOfPage("", "<meta charset=utf-16><p>caf\xE9"), 65001u)
      << "a tag read as ASCII is no UTF-16 page's";
  EXPECT_EQ(text::CharsetParameter("text/html; Charset = \"UTF-8\""), "utf-8");
}

TEST(Entities, NamedNumericOfAnyLengthAndHexadecimal) {
  EXPECT_EQ(text::DecodeEntities("&#233;t&#233;"), U("été"));
  EXPECT_EQ(text::DecodeEntities("l&#8217;ami &#xE9;t&#XE9; &#x20AC;"), U("l’ami été €"));
  EXPECT_EQ(text::DecodeEntities("&agrave;&egrave;&icirc;&hellip;&euro;&rsquo;&Eacute;"),
            U("àèî…€’É"));
  EXPECT_EQ(text::DecodeEntities("&lt;b&gt; &amp;amp; &quot;x&quot; a&nbsp;b &#160;"),
            "<b> &amp; \"x\" a b  ");
  // What is not a reference stays as written; a number past Unicode is no character.
  EXPECT_EQ(text::DecodeEntities("A & B &copy &nosuch; &#; &#x;"), "A & B &copy &nosuch; &#; &#x;");
  EXPECT_EQ(text::DecodeEntities("&#99999999999;"), text::CodePointToUser(0xFFFD));
  EXPECT_EQ(text::NamedEntityCodePoint("thetasym"), 0x3D1u);
  EXPECT_FALSE(text::NamedEntityCodePoint("EACUTE"));
}

TEST(CleanHtml, TagsScriptsAndCutTags) {
  EXPECT_EQ(CleanHtml("class=\"t\">Le <b>grand</b> bleu</td>"), "Le grand bleu ");
  EXPECT_EQ(CleanHtml("a<SCRIPT type=x>var s='<b>';</Script>b"), "a b");
  EXPECT_EQ(CleanHtml("a<script>x</script>b<ScRiPt>y</SCRIPT>c"), "a b c");
  // An unterminated script runs to the end; the tags before it still go.
  EXPECT_EQ(CleanHtml("<i>Titre</i><script>document.write('<b>')"), "Titre ");
  // A tag that is not closed ends the stripping.
  EXPECT_EQ(CleanHtml("<b>x</b> y <a href=\"z"), "x y <a href=\"z");
  EXPECT_EQ(CleanHtml("&lt;b&gt;gras&lt;/b&gt;"), "<b>gras</b>");
}

TEST(CleanHtml, RemovedBreaksAndBlocksKeepWordsApart) {
  EXPECT_EQ(CleanHtml("Jean<br>Dupont<br/>Marie<p>Curie</p><li>un</li><li>deux</li>"),
            "Jean Dupont Marie Curie un deux ");
  EXPECT_EQ(CleanHtml("<td>a</td><td>b</td><h3>c</h3>d<span>e</span>f"), " a b c def");
  EXPECT_EQ(CleanHtml("a &nbsp; &nbsp; b   c"), "a b c");
}

TEST(LineBreaks, RemovedForMarkersButWordsStayApart) {
  EXPECT_EQ(WithoutLineBreaks("<tr>\r\n\t<td>Jean\r\nDupont</td>\n</tr>"),
            "<tr><td>Jean Dupont</td></tr>");
  EXPECT_EQ(WithoutLineBreaks("a \n b\tc"), "a  b c");
}

}  // namespace
}  // namespace orv::websearch
