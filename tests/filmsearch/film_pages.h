// The fake film site's pages and the site description file that reads them: shared by the
// in-process runs, the orvhost runs and the fake site program of the Windows comparison.
#ifndef ORV_TESTS_FILMSEARCH_FILM_PAGES_H
#define ORV_TESTS_FILMSEARCH_FILM_PAGES_H

#include <string>

namespace orv::testing {

// The site file (UTF-8) with two sites: CINE, on `root` ("http://127.0.0.1:PORT"), and AUTRE,
// a site of another item type, which ends the site list. Three unlisted copies of CINE have
// today's keys: CINE-UTF8 and CINE-1252 (SearchCharset), CINE-DONNEES (StructuredData=1).
std::string FilmSiteFile(const std::string& root);

// A list page of `count` hits: hit n (from 1) links to /film/n.html and is named "Film n".
std::string FilmListPage(int count);

// A result page with a value for every marker of the site (UTF-8).
std::string FullFilmPage();
// A short result page titled `title`, its picture at `picture` (nothing when empty).
std::string ShortFilmPage(const std::string& title, const std::string& picture = "");

// The site's answers on `site` (a FakeSite): the search for "bleu" gives a list of 20, the
// films 1 to 20 (each with the cover picture at /covers/Bleu.JPG), the search for "grand" the
// full result page, the search for "amélie" a film titled "Amelie en UTF-8" or "Amelie en
// windows-1252" after the charset it came in; /goutte drips one byte at a time.
class FakeSite;
void ServeFilmSite(FakeSite& site);

}  // namespace orv::testing

#endif  // ORV_TESTS_FILMSEARCH_FILM_PAGES_H
