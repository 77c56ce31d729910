// A film site as its section of the site description file describes it: the search address,
// the markers that recognise the kind of the first page, where hits are in a list, and a pair
// of markers around each value of a result page.
#ifndef ORV_FILMSEARCH_FILM_SITE_H
#define ORV_FILMSEARCH_FILM_SITE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "websearch/keywords.h"
#include "websearch/site_file.h"

namespace orv::filmsearch {

using Markers = websearch::MarkerPair;

struct SiteDescription {
  std::string webRoot, searchUrl;
  std::string listName, listFound1, listFound2, listNotFound, resultName;
  std::string listResult;
  Markers hitName;  // ListResult2_Start / _End
  Markers title, type, editor, author, year, time, date, lang, author2, note, comment, price, sound,
      screen, picture;
  // Keys of today's sites, not in the older files: the charset the site reads its keywords in
  // (SearchCharset), and whether a result page's structured data stands in for the title,
  // year, director and picture its markers do not find (StructuredData, 0 or 1, default 0).
  websearch::KeywordCharset searchCharset = websearch::KeywordCharset::kUserCodePage;
  bool structuredData = false;
};

// The section of that site (its name upper-cased). Nothing when the file or the section does
// not exist, or the site has no WebRoot or SearchURL. Values are used as read.
std::optional<SiteDescription> LoadSiteDescription(const websearch::SiteFile& file,
                                                   std::string_view siteName);

struct SiteRow {
  std::string name, description;
};

// The sites of the INDEX section in order, up to the first missing key or the first site
// whose ItemType is not the wanted one (a site without SiteDesc is listed with "?").
std::vector<SiteRow> ListSites(const websearch::SiteFile& file, int wantedType);

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILM_SITE_H
