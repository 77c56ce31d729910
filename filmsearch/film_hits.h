// The hits of a film site's list page: each starts where the site's ListResult text occurs (the
// text is the start of the hit's address) and has its name between the ListResult2 markers.
#ifndef ORV_FILMSEARCH_FILM_HITS_H
#define ORV_FILMSEARCH_FILM_HITS_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "filmsearch/film_site.h"
#include "websearch/extraction.h"

namespace orv::filmsearch {

constexpr int kMaxFilmHits = 15;

struct FilmHit {
  std::string address, name;
};

// At most kMaxFilmHits hits, from the first ListFound1 of the page on. A hit without a name is
// called `untitled`. `shown` hears of each hit as it is recorded (1-based number).
std::vector<FilmHit> ScanFilmHits(std::string_view page, const SiteDescription& site,
                                  const websearch::ExtractionRules& rules,
                                  std::string_view untitled,
                                  const std::function<void(int, const FilmHit&)>& shown);

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILM_HITS_H
