// Values between markers, capitals, links and the picture address.
#include "websearch/extraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/builders/user_text.h"
#include "text/codepage.h"
#include "websearch/links.h"

namespace orv::websearch {
namespace {

using orv::testing::U;

TEST(ExtractBetween, MarkersFoundMissingAndRepeated) {
  const ExtractionRules plain;
  const std::string page = "<h1>Titre</h1><b>Genre:</b> Drame </p><b>Pays:</b><i>France";
  EXPECT_EQ(ExtractBetween(page, "<b>Genre:</b>", "</p>", true, plain), "Drame");
  EXPECT_EQ(ExtractBetween(page, "<b>Pays:</b>", "</p>", true, plain), "France");  // to the end
  EXPECT_EQ(ExtractBetween(page, "<b>Absent", "</p>", true, plain), "");
  EXPECT_EQ(ExtractBetween(page, "", "</p>", true, plain), "");
  EXPECT_EQ(ExtractBetween("[x]a[x]b[/x]", "[x]", "[/x]", false, plain), "ab");
  EXPECT_EQ(ExtractBetween("<a href=\"/f/1\">x</a>", "<a ", ">", false, plain), "href=\"/f/1\"");
}

TEST(ExtractBetween, CapitalsRepairedAndEveryExtractionReported) {
  ExtractionRules rules;
  rules.fixCapitals = true;
  std::vector<std::string> reported;
  rules.debug = [&](std::string_view start, std::string_view end, std::string_view value) {
    reported.push_back(std::string(start) + "|" + std::string(end) + "|" + std::string(value));
  };
  EXPECT_EQ(ExtractBetween("<h1>LE GRAND BLEU</h1>", "<h1>", "</h1>", true, rules),
            "Le grand bleu");
  EXPECT_EQ(ExtractBetween("<h1>Le Grand Bleu</h1>", "<h1>", "</h1>", true, rules),
            "Le Grand Bleu");
  EXPECT_EQ(ExtractBetween("<h1>x</h1>", "<h2>", "</h2>", true, rules), "");
  EXPECT_EQ(ExtractBetween("<h1>x</h1>", "", "</h2>", true, rules), "");
  EXPECT_EQ(reported, (std::vector<std::string>{"<h1>|</h1>|Le grand bleu",
                                                "<h1>|</h1>|Le Grand Bleu", "<h2>|</h2>|"}));
}

TEST(FixCapitals, AccentedCapitalsAreLowerCasedWithTheRest) {
  EXPECT_EQ(FixCapitals(U("L'ÉTÉ MEURTRIER")), U("L'été meurtrier"));
  // Without letters A to Z either way, the text counts as all capitals.
  EXPECT_EQ(FixCapitals(U("à")), U("À"));
  EXPECT_EQ(FixCapitals(U("ÉTÉ")), U("Été"));
  EXPECT_EQ(FixCapitals("1984"), "1984");
  EXPECT_EQ(FixCapitals(""), "");
}

TEST(AbsoluteLink, RelativeLinksGetTheRootAndKeepTheirCase) {
  EXPECT_EQ(AbsoluteLink("film/Alien.html", "http://films.test/"),
            "http://films.test/film/Alien.html");
  EXPECT_EQ(AbsoluteLink("/film/Alien.html", "http://films.test"),
            "http://films.test/film/Alien.html");
  // Quotes go before the link is judged, so a quoted "/" is no reason for a second one.
  EXPECT_EQ(AbsoluteLink("\"/img/A.JPG\"", "http://films.test/"), "http://films.test/img/A.JPG");
  EXPECT_EQ(AbsoluteLink("'HTTP://other.test/X'", "http://films.test/"), "HTTP://other.test/X");
  EXPECT_EQ(AbsoluteLink("//cdn.test/a.jpg", "https://films.test/"), "https://cdn.test/a.jpg");
  EXPECT_EQ(AbsoluteLink("", "http://films.test/"), "");
}

// Only a leading scheme makes a link absolute: "http" or "ftp" further on is part of a path.
TEST(AbsoluteLink, OnlyALeadingSchemeMakesALinkAbsolute) {
  EXPECT_EQ(AbsoluteLink("/go?to=http://ailleurs.test/x", "http://films.test/"),
            "http://films.test/go?to=http://ailleurs.test/x");
  EXPECT_EQ(AbsoluteLink("affiches/ftp-alien.jpg", "http://films.test/"),
            "http://films.test/affiches/ftp-alien.jpg");
  EXPECT_EQ(AbsoluteLink("films.test/a.html", "http://films.test/"),
            "http://films.test/films.test/a.html");
  // Absolute, whatever the scheme: the web client refuses what is not http or https.
  EXPECT_EQ(AbsoluteLink("File:///home/u/.ssh/id_rsa#http.jpg", "http://films.test/"),
            "File:///home/u/.ssh/id_rsa#http.jpg");
  EXPECT_EQ(AbsoluteLink("svn+ssh://h/x", "http://films.test/"), "svn+ssh://h/x");
  EXPECT_TRUE(StartsWithScheme("HTTPS:x"));
  EXPECT_FALSE(StartsWithScheme("1http://x"));
  EXPECT_FALSE(StartsWithScheme("a b:c"));
}

TEST(PictureAddress, StartMarkerThatBeginsTheAddress) {
  EXPECT_EQ(PictureAddress("123.jpg", "\"/covers/", "http://films.test/", true),
            "http://films.test/covers/123.jpg");
  // The "/" of a closing tag is no part of an address.
  EXPECT_EQ(PictureAddress("/covers/9.jpg", "</h1><img src=\"", "http://films.test", true),
            "http://films.test/covers/9.jpg");
  EXPECT_EQ(PictureAddress(" 'p.jpg'", "<img src=", "http://films.test", false), "p.jpg");
}

}  // namespace
}  // namespace orv::websearch
