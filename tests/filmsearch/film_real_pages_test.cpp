// Pages and sites as they are today: pages without a declared charset, films of the same title,
// sites that want their keywords in UTF-8 or windows-1252, and structured data.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/builders/user_text.h"
#include "tests/filmsearch/film_run_fixture.h"
#include "text/codepage.h"

namespace orv::filmsearch::testing {
namespace {

using orv::testing::Page;

using orv::testing::U;

TEST_F(FilmRun, TwoFilmsOfTheSameTitleKeepTwoPictures) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  filter_.Web().copyImage = 1;
  site_.Serve("/film/2.html", Page(orv::testing::ShortFilmPage("Film 1", "/covers/autre.JPG")));
  site_.Serve("/covers/autre.JPG", Page("second cover", "image/jpeg"));
  Answer("dialog 1001 set 1001=bleu ok\ndialog 1002 select 0,1 ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, 1, -1}));
  EXPECT_EQ(calls[0].image, "Film 1.JPG");
  EXPECT_EQ(calls[1].image, "Film 1 (2).JPG");
  EXPECT_EQ(orv::testing::ReadFile(Pictures() + "/Film 1.JPG"), "\xFF\xD8 cover \xFF\xD9");
  EXPECT_EQ(orv::testing::ReadFile(Pictures() + "/Film 1 (2).JPG"), "second cover");
}

TEST_F(FilmRun, AUtf8PageWithoutCharsetKeepsItsAccents) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  // Neither the header nor the page names a charset.
  site_.Serve("/cherche?titre=utf8", Page("<div class=\"fiche\"><h1>Am\xC3\xA9lie</h1><p>R\xC3\xA9"
                                          "alis\xC3\xA9 par Jean-Pierre J.</p><p>Pays : Cor\xC3\xA9"
                                          "e du Sud</p></div>",
                                          "text/html"));
  Answer("dialog 1001 set 1001=utf8 ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(calls[0].title, U("Amélie"));
  EXPECT_EQ(calls[0].author, "Jean-Pierre J.") << "a marker with accents still matches";
  EXPECT_EQ(calls[0].lang, U("Corée du Sud"));
}

TEST_F(FilmRun, AccentedKeywordsGoInTheCharsetTheSiteFileNames) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  // Without SearchCharset the keywords keep the user's code page: UTF-8 in this build.
  for (const auto& [site, title] : {std::pair<const char*, const char*>{"CINE", "Amelie en UTF-8"},
                                    {"CINE-UTF8", "Amelie en UTF-8"},
                                    {"CINE-1252", "Amelie en windows-1252"}}) {
    filter_.Settings().selFilter = site;
    Answer("dialog 1001 set 1001=am\xC3\xA9lie ok\n");
    const std::vector<Call> calls = RunAll();
    ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1})) << site;
    EXPECT_EQ(calls[0].title, title) << site;
  }
}

TEST_F(FilmRun, StructuredDataStandsInForMarkersThatFindNothingWhenTheSiteAsks) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  filter_.Web().copyImage = 0;
  const std::string ld =
      "<script type=\"application/ld+json\">{\"@type\":\"Movie\",\"name\":\"ALIEN, LE 8E "
      "PASSAGER\",\"datePublished\":\"1979-05-25\",\"director\":{\"@type\":\"Person\","
      "\"name\":\"Ridley Scott\"},\"image\":\"/covers/alien.jpg\"}</script>";
  // The title and the year have their markers; the director and the picture have none.
  site_.Serve("/cherche?titre=alien",
              Page("<html><head>" + ld + "</head><body><div class=\"fiche\"><h1>Alien</h1>" +
                   "<p>Ann\xC3\xA9" + "e : 1980</p></div></body></html>"));
  // No marker of this page matches.
  site_.Serve("/cherche?titre=passager",
              Page("<html><head>" + ld + "</head><body><div class=\"fiche\"></div></body></html>"));

  Answer("dialog 1001 set 1001=alien ok\n");
  std::vector<Call> calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(calls[0].author, "") << "off unless the site file asks";
  EXPECT_EQ(calls[0].image, "");
  Answer("dialog 1001 set 1001=passager ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1})) << "no title, no item";

  filter_.Settings().selFilter = "CINE-DONNEES";
  Answer("dialog 1001 set 1001=alien ok\n");
  calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(calls[0].title, "Alien") << "what the markers find comes first";
  EXPECT_EQ(calls[0].year, 1980);
  EXPECT_EQ(calls[0].author, "Ridley Scott");
  EXPECT_EQ(calls[0].image, site_.Root() + "/covers/alien.jpg");

  Answer("dialog 1001 set 1001=passager ok\n");
  calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(calls[0].title, "Alien, le 8e passager") << "capitals repaired as for the markers";
  EXPECT_EQ(calls[0].year, 1979);
}

}  // namespace
}  // namespace orv::filmsearch::testing
