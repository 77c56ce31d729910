#include "tests/filmsearch/film_pages.h"
#include "tests/websearch/fake_site.h"

namespace orv::testing {

void ServeFilmSite(FakeSite& site) {
  site.Serve("/cherche?titre=bleu", Page(FilmListPage(20)));
  for (int n = 1; n <= 20; ++n) {
    site.Serve("/film/" + std::to_string(n) + ".html",
               Page(ShortFilmPage("Film " + std::to_string(n), "/covers/Bleu.JPG")));
  }
  site.Serve("/cherche?titre=grand", Page(FullFilmPage()));
  // "amélie" as each charset percent-encodes it: the film's title says which one came.
  site.Serve("/cherche?titre=am%C3%A9lie", Page(ShortFilmPage("Amelie en UTF-8")));
  site.Serve("/cherche?titre=am%E9lie", Page(ShortFilmPage("Amelie en windows-1252")));
  site.Serve("/covers/Bleu.JPG", Page("\xFF\xD8 cover \xFF\xD9", "image/jpeg"));
  // A byte every 20 ms for 200 s: only the bound on the whole page ends its fetch.
  FakeResponse drip = Page(std::string(10000, 'a'));
  drip.fault = FakeResponse::Fault::kDrip;
  site.Serve("/goutte", drip);
  // A redirect to a local file, which no client may follow.
  FakeResponse local;
  local.status = 302;
  local.location = "file:///C:/windows/win.ini";
  site.Serve("/detour-fichier", local);
  // A redirect to an address longer than a first 2 KiB buffer holds (and within the 2084
  // characters WinInet takes).
  FakeResponse far;
  far.status = 302;
  far.location = "/covers/Bleu.JPG?" + std::string(2030, 'x');
  site.Serve("/detour-long", far);
  site.Serve(far.location, Page("\xFF\xD8 cover \xFF\xD9", "image/jpeg"));
}

}  // namespace orv::testing
