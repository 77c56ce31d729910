// How a run that ends early tells why, and what a page may not make the run do: read a local
// file or a server of another kind, or make an item of a page without a title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "tests/builders/user_text.h"
#include "tests/filmsearch/film_run_fixture.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::filmsearch::testing {
namespace {

using orv::testing::FakeResponse;
using orv::testing::Page;

using orv::testing::U;

FakeResponse WithStatus(int status, std::string body = "<html><body>Erreur</body></html>") {
  FakeResponse response = Page(std::move(body));
  response.status = status;
  return response;
}

#define EXPECT_HAS(text, part) EXPECT_NE((text).find(part), std::string::npos) << (text)

TEST_F(FilmRun, EachEarlyEndHasItsOwnMessageWithTheAddress) {
  filter_.Web().validateResult = 0;
  site_.Serve("/cherche?titre=interdit", WithStatus(403));
  site_.Serve("/cherche?titre=trop", WithStatus(429));
  site_.Serve("/cherche?titre=panne", WithStatus(503));
  site_.Serve("/cherche?titre=verif",
              Page("<html><body><h1>Un instant</h1><noscript>Please enable JavaScript and "
                   "cookies to continue.</noscript></body></html>"));
  site_.Serve("/cherche?titre=verif503",
              WithStatus(503, "<p>Checking your browser before accessing the site</p>"));
  site_.Serve("/cherche?titre=change", Page("<html><body><p>Nouvelle version</p></body></html>"));
  site_.Serve("/cherche?titre=zzz", Page("<p>Aucun film ne correspond</p><!--liste-->"));
  site_.Serve("/cherche?titre=vide", Page(orv::testing::FilmListPage(0)));
  struct Case {
    const char* words;
    std::string says;
  };
  const std::vector<Case> cases = {
      {"absent", U("erreur HTTP 404")},
      {"interdit", U("refuse les requêtes automatiques (HTTP 403)")},
      {"trop", U("refuse les requêtes automatiques (HTTP 429)")},
      {"panne", U("erreur HTTP 503")},
      {"verif", U("refuse les requêtes automatiques (page de vérification")},
      {"verif503", U("refuse les requêtes automatiques (HTTP 503)")},
      {"change", U("introuvable dans la page : ResultName \"<div class=\"fiche\">\", ListName")},
      {"zzz", U("aucun résultat")},
      {"vide", U("aucun résultat")},
  };
  std::vector<std::string> messages;
  for (const Case& c : cases) {
    Answer(std::string("dialog 1001 set 1001=") + c.words + " ok\nmsgbox ok\n");
    EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1})) << c.words;
    const std::string& message = filter_.LastFailure();
    EXPECT_HAS(message, c.says);
    EXPECT_HAS(message, site_.Root() + "/cherche?titre=" + c.words);
    messages.push_back(message);
  }
  // Ending as the user asked says nothing.
  Answer("dialog 1001 cancel\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  EXPECT_EQ(filter_.LastFailure(), "");
  EXPECT_TRUE(folder_.List("pictures").empty());
}

TEST_F(FilmRun, AnUnreachableSiteIsNotANoHit) {
  // Nothing listens on port 1 of the loopback: the connection is refused.
  filter_.UseSiteFile(
      folder_.Write("filmsearch.ini", orv::testing::FilmSiteFile("http://127.0.0.1:1")));
  Answer("dialog 1001 set 1001=bleu ok\nmsgbox ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  const std::string& message = filter_.LastFailure();
  EXPECT_HAS(message, U("n'a pas pu être joint"));
  EXPECT_HAS(message, "http://127.0.0.1:1/cherche?titre=bleu");
  EXPECT_EQ(message.find(U("aucun résultat")), std::string::npos);
  // The system's reason follows the address.
  EXPECT_GT(message.size(), message.find("Raison : ") + 10);
}

TEST_F(FilmRun, AResultPageWithoutItsTitleGivesNoItemOnEveryPath) {
  filter_.Web().validateResult = 0;
  const std::string untitled =
      "<html><body><div class=\"fiche\"><p>Genre : <b>Drame</b></p>"
      "<img class=\"cover\" src=\"/covers/Bleu.JPG\"></div></body></html>";
  // Straight from the search.
  site_.Serve("/cherche?titre=direct", Page(untitled));
  Answer("dialog 1001 set 1001=direct ok\nmsgbox ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  EXPECT_HAS(filter_.LastFailure(), "Result_Title_Start \"<h1>\"");
  // From the queue of chosen hits: the film before it is kept, nothing of it.
  site_.Serve("/film/2.html", Page(untitled));
  Answer("dialog 1001 set 1001=bleu ok\ndialog 1002 select 0,1,2 ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{257, 128, -1}));
  EXPECT_HAS(filter_.LastFailure(), site_.Root() + "/film/2.html");
  EXPECT_EQ(folder_.List("pictures").size(), 1u) << "film 1's picture only";
}

TEST_F(FilmRun, PicturesAndLinksOfOtherSchemesReadNothingFromDisk) {
  filter_.Web().validateResult = 0;
  filter_.Web().importLink = 0;
  const std::string secret = folder_.Write("secret.jpg", "\xFF\xD8 secret \xFF\xD9");
  // A picture named by a file:// or ftp:// address, and one whose address redirects to one.
  site_.Serve("/cherche?titre=fichier",
              Page(orv::testing::ShortFilmPage("Fichier", "file://" + secret + "#http.jpg")));
  site_.Serve("/cherche?titre=ftp",
              Page(orv::testing::ShortFilmPage("Ftp", "FTP://127.0.0.1/secret.jpg")));
  FakeResponse moved;
  moved.status = 302;
  moved.location = "file://" + secret;
  site_.Serve("/covers/detour.jpg", moved);
  site_.Serve("/cherche?titre=detour",
              Page(orv::testing::ShortFilmPage("Detour", "/covers/detour.jpg")));
  for (const char* words : {"fichier", "ftp", "detour"}) {
    Answer(std::string("dialog 1001 set 1001=") + words + " ok\n");
    const std::vector<orv::testing::Call> calls = RunAll();
    ASSERT_EQ(Results(calls), (std::vector<int32_t>{1, -1})) << words;
    EXPECT_EQ(text::ToLowerAscii(calls[0].image).find("file:"), std::string::npos) << words;
    EXPECT_EQ(text::ToLowerAscii(calls[0].image).find("ftp:"), std::string::npos) << words;
  }
  EXPECT_TRUE(folder_.List("pictures").empty());
  // A hit whose address is a local file is a page that cannot be fetched.
  site_.Serve("/cherche?titre=liste",
              Page("<div class=\"resultats\"><ul class=\"hits\"><li><a href=\"file://" + secret +
                   "?/film/1.html\"><span class=\"nom\">Secret</span></a></li></ul></div>"));
  std::string siteFile = orv::testing::FilmSiteFile(site_.Root());
  siteFile.replace(siteFile.find("ListResult=/film/"), 17, "ListResult=file://");
  filter_.UseSiteFile(folder_.Write("filmsearch.ini", siteFile));
  Answer("dialog 1001 set 1001=liste ok\ndialog 1002 select 0 ok\nmsgbox ok\n");
  EXPECT_EQ(Results(RunAll()), (std::vector<int32_t>{-1}));
  EXPECT_HAS(filter_.LastFailure(), "Refused address");
  EXPECT_TRUE(folder_.List("pictures").empty());
}

}  // namespace
}  // namespace orv::filmsearch::testing
