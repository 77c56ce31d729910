// Hits of a list page, and the site file's sites.
#include "filmsearch/film_hits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "filmsearch/film_site.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/platform/temp_folder.h"
#include "text/codepage.h"
#include "websearch/html_cleanup.h"

namespace orv::filmsearch {
namespace {

SiteDescription Site() {
  orv::testing::TempFolder folder;
  const websearch::SiteFile file(
      folder.Write("s.ini", orv::testing::FilmSiteFile("http://films.test")));
  return LoadSiteDescription(file, "cine").value_or(SiteDescription());
}

TEST(FilmHits, AtMostFifteenInPageOrder) {
  const SiteDescription site = Site();
  ASSERT_EQ(site.webRoot, "http://films.test/");
  int shown = 0;
  const std::vector<FilmHit> hits =
      ScanFilmHits(websearch::WithoutLineBreaks(orv::testing::FilmListPage(20)), site, {},
                   "Sans titre", [&](int number, const FilmHit&) { shown = number; });
  ASSERT_EQ(hits.size(), 15u);
  EXPECT_EQ(shown, 15);
  EXPECT_EQ(hits[0].address, "http://films.test/film/1.html");
  EXPECT_EQ(hits[0].name, "Film 1");
  EXPECT_EQ(hits[14].address, "http://films.test/film/15.html");
}

TEST(FilmHits, AHitWithoutNameIsUntitledAndTheScanGoesOn) {
  SiteDescription site = Site();
  const std::string page =
      "<ul class=\"hits\"><a href='/film/A.html'>?</a><a href=\"/film/B.html\">"
      "<span class=\"nom\">Bee</span></a>";
  site.hitName = {"<em>", "</em>"};
  std::vector<FilmHit> hits = ScanFilmHits(page, site, {}, "Sans titre", nullptr);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[0].address, "http://films.test/film/A.html");
  EXPECT_EQ(hits[0].name, "Sans titre");
  EXPECT_EQ(hits[1].address, "http://films.test/film/B.html");
  // Without a ListResult text nothing can be found, rather than the same hit for ever.
  site.listResult.clear();
  EXPECT_TRUE(ScanFilmHits(page, site, {}, "Sans titre", nullptr).empty());
}

TEST(FilmSite, LoadingAndListing) {
  orv::testing::TempFolder folder;
  const websearch::SiteFile file(
      folder.Write("s.ini", orv::testing::FilmSiteFile("http://films.test")));
  const std::optional<SiteDescription> site = LoadSiteDescription(file, "Cine");
  ASSERT_TRUE(site);
  EXPECT_EQ(site->searchUrl, "http://films.test/cherche?titre=");
  EXPECT_EQ(site->picture.start, "<img class=\"cover\" src=\"");
  EXPECT_EQ(site->editor.start, "Studio :");
  EXPECT_FALSE(LoadSiteDescription(file, "sans description"));  // no SearchURL
  EXPECT_FALSE(LoadSiteDescription(file, "absent"));
  EXPECT_FALSE(LoadSiteDescription(websearch::SiteFile(folder / "none.ini"), "cine"));

  const std::vector<SiteRow> rows = ListSites(file, 1);
  ASSERT_EQ(rows.size(), 2u);  // AUTRE is of another type: the list ends there
  EXPECT_EQ(rows[0].name, "CINE");
  EXPECT_EQ(rows[0].description, text::Utf8ToUser("Ciné test"));
  EXPECT_EQ(rows[1].name, "Sans description");
  EXPECT_EQ(rows[1].description, "?");
}

TEST(FilmSite, TheSampleSiteFileDescribesAUsableSite) {
  const char* source = std::getenv("ORV_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const websearch::SiteFile sample(std::string(source) + "/samples/sites/filmsearch.ini");
  const std::vector<SiteRow> rows = ListSites(sample, 1);
  ASSERT_EQ(rows.size(), 1u);
  const std::optional<SiteDescription> site = LoadSiteDescription(sample, rows[0].name);
  ASSERT_TRUE(site);
  EXPECT_EQ(site->listResult, "/film/");
  EXPECT_EQ(site->picture.end, "\"");
  EXPECT_EQ(site->author.start, text::Utf8ToUser("Réalisé par"));
  EXPECT_EQ(site->searchCharset, websearch::KeywordCharset::kUtf8);
  EXPECT_TRUE(site->structuredData);
}

}  // namespace
}  // namespace orv::filmsearch
