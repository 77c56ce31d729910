// The film site's steps of a site check: the search page (nothing found, a result, or a list
// and its hits), then the result page (the first hit's, or the search page itself).
#include "filmsearch/film_hits.h"
#include "filmsearch/filmsearch_filter.h"

namespace orv::filmsearch {

void FilmSearchFilter::CheckSteps(websearch::SiteChecker& checker, const std::string& keywords) {
  const std::string address = SearchAddress(keywords);
  std::string page;
  if (!checker.Fetch("search", address, page)) return;
  if (checker.Presence(page, "ListNotFound", site_.listNotFound, false).found) {
    checker.Error("the site found nothing for these keywords (ListNotFound)");
    return;
  }
  const bool result = checker.Presence(page, "ResultName", site_.resultName, false).found;
  bool list = false;
  for (const auto& [key, marker] :
       {std::pair{"ListName", &site_.listName}, std::pair{"ListFound1", &site_.listFound1},
        std::pair{"ListFound2", &site_.listFound2}}) {
    list = checker.Presence(page, key, *marker, false).found || list;
  }
  // An empty list marker counts as found, as in the run.
  list = list || site_.listName.empty() || site_.listFound1.empty() || site_.listFound2.empty();
  std::string resultAddress = address;
  if (!result) {
    if (!list) {
      checker.Error(
          "neither ResultName nor a list marker was found: the page is neither a "
          "result nor a list");
      return;
    }
    checker.Presence(page, "ListResult", site_.listResult, true);
    checker.Pair(page, "ListResult2", site_.hitName, true);
    const std::vector<FilmHit> hits = ScanFilmHits(page, site_, {}, "Sans titre", nullptr);
    checker.Note("hits", std::to_string(hits.size()));
    if (hits.empty()) {
      checker.Error("no hit was found in the list");
      return;
    }
    resultAddress = hits.front().address;
    if (!checker.Fetch("result", resultAddress, page)) return;
  } else {
    checker.Note("result", "the search page is a result page");
  }
  const std::pair<const char*, const Markers*> pairs[] = {
      {"Result_Title", &site_.title},     {"Result_Type", &site_.type},
      {"Result_Editor", &site_.editor},   {"Result_Author", &site_.author},
      {"Result_Year", &site_.year},       {"Result_Time", &site_.time},
      {"Result_Date", &site_.date},       {"Result_Lang", &site_.lang},
      {"Result_Author2", &site_.author2}, {"Result_Note", &site_.note},
      {"Result_Comment", &site_.comment}, {"Result_Price", &site_.price},
      {"Result_Sound", &site_.sound},     {"Result_Screen", &site_.screen},
      {"Result_Picture", &site_.picture}};
  // Every marker the site file writes is meant to match: one that does not loses its field.
  for (const auto& [key, markers] : pairs) checker.Pair(page, key, *markers, true);
}

}  // namespace orv::filmsearch
