// The fake film site as a program of its own, for the Windows tests under Wine.
#include "tests/filmsearch/film_pages.h"
#include "tests/websearch/fake_site.h"

int main() {
  orv::testing::FakeSite site;
  orv::testing::ServeFilmSite(site);
  return orv::testing::ServeUntilKilled(site);
}
