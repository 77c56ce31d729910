// The search run: keyword dialog, search page, hit list, result pages, confirmation, link
// items, pictures. What the faults of a site do to it is in film_network_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/builders/user_text.h"
#include "tests/filmsearch/film_run_fixture.h"
#include "text/codepage.h"

namespace orv::filmsearch::testing {
namespace {

using orv::testing::FakeResponse;
using orv::testing::Page;

using orv::testing::U;

const char kSearchBleu[] = "dialog 1001 set 1001=\"  bleu \" ok\n";

TEST_F(FilmRun, ThreeChosenHitsGiveThreeFilmsEachFollowedByItsLink) {
  filter_.Web().copyImage = 0;
  Answer(std::string(kSearchBleu) +
         "dialog 1002 select 0,2,14 ok\nmsgbox yes\nmsgbox yes\nmsgbox yes\n"
         "dialog 1001 cancel\n");
  const std::vector<Call> calls = RunAll();
  EXPECT_EQ(Results(calls), (std::vector<int32_t>{257, 128, 257, 128, 257, 128, -1}));
  EXPECT_EQ(site_.Paths(), (std::vector<std::string>{"/cherche?titre=bleu", "/film/1.html",
                                                     "/film/3.html", "/film/15.html"}));
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[0].title, "Film 1");
  EXPECT_EQ(calls[0].category, 1);
  EXPECT_EQ(calls[1].title, "Film 1");
  EXPECT_EQ(calls[1].type, site_.Root() + "/film/1.html");
  EXPECT_EQ(calls[1].medium, -7) << "a link item carries its title and address only";
  EXPECT_EQ(calls[4].title, "Film 15");
  EXPECT_EQ(calls[5].type, site_.Root() + "/film/15.html");
}

TEST_F(FilmRun, WithoutImportLinkNoLinkItemFollows) {
  filter_.Web().importLink = 0;
  filter_.Web().validateResult = 0;
  Answer(std::string(kSearchBleu) + "dialog 1002 select 14 ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{1, -1}));
}

TEST_F(FilmRun, ADirectResultIsImportedWithTheSearchAddressAsItsLink) {
  filter_.Web().validateResult = 0;
  site_.Serve("/cherche?titre=le+grand+bleu", Page(orv::testing::ShortFilmPage("Le grand bleu")));
  Answer("dialog 1001 set 1001=\"le grand bleu\" ok\n");
  const std::vector<Call> calls = RunAll();
  EXPECT_EQ(Results(calls), (std::vector<int32_t>{257, 128, -1}));
  EXPECT_EQ(calls[1].type, site_.Root() + "/cherche?titre=le+grand+bleu");
}

TEST_F(FilmRun, NothingFoundOrAnUnknownPageEndsTheRun) {
  site_.Serve("/cherche?titre=zzz", Page("<p>Aucun film ne correspond</p><!--liste-->"));
  site_.Serve("/cherche?titre=autre", Page("<p>Maintenance du site</p>"));
  Answer("dialog 1001 set 1001=zzz ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  Answer("dialog 1001 set 1001=autre ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  // A list without hits ends it too.
  site_.Serve("/cherche?titre=vide", Page(orv::testing::FilmListPage(0)));
  Answer("dialog 1001 set 1001=vide ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
}

TEST_F(FilmRun, CancellingTheHitListOrRefusingAFilmGivesNothingThisCall) {
  Answer(std::string(kSearchBleu) + "dialog 1002 cancel\n" + kSearchBleu +
         "dialog 1002 select 0,1 ok\nmsgbox no\nmsgbox yes\ndialog 1001 cancel\n");
  const std::vector<Call> calls = RunAll();
  // Cancelled list: 0, and the keyword dialog comes again. Film 1 refused: 0 and no link;
  // film 2 accepted.
  EXPECT_EQ(Results(calls), (std::vector<int32_t>{0, 0, 257, 128, -1}));
  EXPECT_EQ(calls[2].title, "Film 2");
}

TEST_F(FilmRun, EmptyKeywordsKeepTheDialogOpen) {
  Answer("dialog 1001 set 1001=\"   \" ok\ndialog 1001 cancel\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  EXPECT_TRUE(site_.Paths().empty());
}

TEST_F(FilmRun, KeywordsArePercentEncoded) {
  Answer("dialog 1001 set 1001=\"tom & jerry #2\" ok\n");
  RunAll();
  ASSERT_EQ(site_.Paths().size(), 6u);  // a 404 page: every attempt
  EXPECT_EQ(site_.Paths()[0], "/cherche?titre=tom+%26+jerry+%232");
}

TEST_F(FilmRun, EveryFieldOfAResultPage) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  filter_.Web().copyImage = 0;
  filter_.Settings().defVideo = 1;  // K7
  filter_.Settings().defFormat = 2;
  site_.Serve("/cherche?titre=grand", Page(orv::testing::FullFilmPage(), "text/html"));
  Answer("dialog 1001 set 1001=grand ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1}));
  const Call& film = calls[0];
  EXPECT_EQ(film.title, "Le grand bleu");
  EXPECT_EQ(film.type, "Aventure");
  EXPECT_EQ(film.editor, "Gaumont");
  EXPECT_EQ(film.author, "Luc Besson");
  EXPECT_EQ(film.year, 1988);
  EXPECT_EQ(film.length, "02:12:00");
  EXPECT_EQ(film.lang, "France");
  EXPECT_EQ(film.coauthor, "Jean-Marc B. Jean R.");
  EXPECT_EQ(film.rating, 8);
  EXPECT_EQ(film.comment, U("Un plongeur… L’amitié & la mer profonde."));
  EXPECT_FLOAT_EQ(film.price, 1234.5f);
  EXPECT_EQ(film.sound, 2) << "Stéréo and Dolby: the last keyword of the list wins";
  EXPECT_EQ(film.format2, 0);
  EXPECT_EQ(film.image, site_.Root() + "/covers/Bleu.JPG") << "addresses keep their case";
  EXPECT_EQ(film.category, 1);
  EXPECT_EQ(film.medium, 7);
  EXPECT_EQ(film.format1, 2);
}

TEST_F(FilmRun, OptionDefaultsFillWhatThePageDoesNotGive) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  filter_.Settings().defTime = "01:45:00";
  site_.Serve("/cherche?titre=court", Page(orv::testing::ShortFilmPage("Court")));
  Answer("dialog 1001 set 1001=court ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].length, "01:45:00");
  EXPECT_FLOAT_EQ(calls[0].price, 15.0f);
  EXPECT_EQ(calls[0].medium, 19);
  EXPECT_EQ(calls[0].sound, 5);
  EXPECT_EQ(calls[0].format2, 1);
  EXPECT_EQ(calls[0].rating, -7);
  EXPECT_EQ(calls[0].image, "");
}

TEST_F(FilmRun, AWindows1252PageReadsLikeAUtf8One) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  site_.Serve("/cherche?titre=ansi", Page("<div class=\"fiche\"><h1>Fran\xE7ois</h1><p>R\xE9"
                                          "alis\xE9 par Zo\xE9</p>",
                                          "text/html; charset=ISO-8859-1"));
  Answer("dialog 1001 set 1001=ansi ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].title, U("François"));
  EXPECT_EQ(calls[0].author, U("Zoé"));
}

TEST_F(FilmRun, PicturesFollowCopyImage) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  const std::string address = site_.Root() + "/covers/Bleu.JPG";
  for (int copy : {0, 2, 1}) {
    filter_.Web().copyImage = copy;
    Answer(std::string(kSearchBleu) + "dialog 1002 select 3 ok\n");
    const std::vector<Call> calls = RunAll();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].image, copy == 1 ? std::string("Film 4.JPG") : address) << copy;
  }
  EXPECT_EQ(orv::testing::ReadFile(Pictures() + "/Film 4.JPG"), "\xFF\xD8 cover \xFF\xD9");
  // A picture that cannot be had keeps its address, and no file is left behind.
  site_.Serve("/film/5.html", Page(orv::testing::ShortFilmPage("Film 5", "/covers/absent.jpg")));
  Answer(std::string(kSearchBleu) + "dialog 1002 select 4 ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].image, site_.Root() + "/covers/absent.jpg");
  EXPECT_FALSE(platform::PathExists(Pictures() + "/Film 5.jpg"));
}

TEST_F(FilmRun, RedirectsAndLargePagesAreFollowedThrough) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  FakeResponse moved;
  moved.status = 302;
  moved.location = "/cherche?titre=bleu";
  site_.Serve("/cherche?titre=ancien", moved);
  Answer("dialog 1001 set 1001=ancien ok\ndialog 1002 select 0 ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{1, -1}));

  std::string large = orv::testing::FilmListPage(2);
  large.insert(large.find("</ul>"), std::string(6 * 1024 * 1024, ' ') + "<!-- fin -->");
  site_.Serve("/cherche?titre=grande", Page(large));
  Answer("dialog 1001 set 1001=grande ok\ndialog 1002 select 1 ok\n");
  const std::vector<Call> calls = RunAll();
  ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(calls[0].title, "Film 2");
}

TEST_F(FilmRun, OpenNeedsALoadableSite) {
  filter_.Settings().selFilter = "";
  EXPECT_TRUE(RunAll().empty());
  EXPECT_EQ(openResult_, 0);
  filter_.Settings().selFilter = "sans description";  // no SearchURL
  RunAll();
  EXPECT_EQ(openResult_, 0);
  filter_.Settings().selFilter = "cine";
  filter_.UseSiteFile(folder_ / "absent.ini");
  RunAll();
  EXPECT_EQ(openResult_, 0);
}

}  // namespace
}  // namespace orv::filmsearch::testing
