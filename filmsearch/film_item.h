// A film's values from its result page, each between the site's pair of markers, into the
// item; a value the page does not give leaves the field as it was.
#ifndef ORV_FILMSEARCH_FILM_ITEM_H
#define ORV_FILMSEARCH_FILM_ITEM_H

#include <string>
#include <string_view>

#include "contract/abi.h"
#include "filmsearch/film_site.h"
#include "websearch/extraction.h"

namespace orv::filmsearch {

// The keyword lists of the sound and screen rules (strings 34, 28 and 35).
struct KeywordLists {
  std::string sound, fullScreen, wide;
};

void FillItemFromPage(MediaItem& item, std::string_view page, const SiteDescription& site,
                      const websearch::ExtractionRules& rules, const KeywordLists& keywords);

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILM_ITEM_H
