#include "filmsearch/film_hits.h"

#include <algorithm>

#include "websearch/html_cleanup.h"
#include "websearch/links.h"

namespace orv::filmsearch {

std::vector<FilmHit> ScanFilmHits(std::string_view page, const SiteDescription& site,
                                  const websearch::ExtractionRules& rules,
                                  std::string_view untitled,
                                  const std::function<void(int, const FilmHit&)>& shown) {
  std::vector<FilmHit> hits;
  // Without a ListResult text no address can be told from the rest of the page.
  if (site.listResult.empty()) return hits;
  std::string_view scan = page;
  const size_t listStart = scan.find(site.listFound1);
  if (listStart != std::string_view::npos) scan.remove_prefix(listStart);
  while (hits.size() < static_cast<size_t>(kMaxFilmHits)) {
    const size_t p = scan.find(site.listResult);
    if (p == std::string_view::npos) break;
    const size_t q = p + site.listResult.size();
    std::string_view address = scan.substr(p);
    for (char cut : {'>', '"', '\''}) address = address.substr(0, address.find(cut));
    FilmHit hit;
    hit.address = websearch::CleanHtml(websearch::AbsoluteLink(address, site.webRoot));
    hit.name = websearch::ExtractBetween(scan, site.hitName.start, site.hitName.end, true, rules);
    size_t r = q;
    if (hit.name.empty()) {
      hit.name = std::string(untitled);
    } else {
      r = scan.find(site.hitName.start) + site.hitName.start.size();
    }
    hits.push_back(hit);
    if (shown) shown(static_cast<int>(hits.size()), hit);
    scan.remove_prefix(std::max(q, r));
  }
  return hits;
}

}  // namespace orv::filmsearch
