// filmsearch, the film web search import: searches the film site chosen in the options with
// the user's keywords, lets the user pick among the hits, and makes one video item per chosen
// result page, each followed by a link item to that page.
#ifndef ORV_FILMSEARCH_FILMSEARCH_FILTER_H
#define ORV_FILMSEARCH_FILMSEARCH_FILTER_H

#include <memory>
#include <optional>
#include <string>

#include "filmsearch/film_item.h"
#include "filmsearch/film_options.h"
#include "filmsearch/film_site.h"
#include "websearch/search_run.h"

namespace orv::filmsearch {

class FilmSearchFilter : public websearch::WebSearchFilter {
 public:
  FilmSearchFilter();
  FilmOptions& Settings() { return options_; }

 protected:
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;
  // The site chosen in the options, and the keyword lists of the sound and screen rules.
  bool LoadSite() override;
  // Keywords, then the search page: a result, a list of hits, or nothing found.
  Found Search() override;
  // The option defaults, then what the page gives.
  void FillItem(MediaItem& item, const std::string& page) override;
  std::string Confirmation(const MediaItem& item) override;
  websearch::MarkerPair TitleMarkers() const override { return site_.title; }
  // The search page's address for these keywords, encoded in the site's charset.
  std::string SearchAddress(const std::string& keywords) const;
  bool UsesStructuredData() const override { return site_.structuredData; }
  void CheckSteps(websearch::SiteChecker& checker, const std::string& keywords) override;

 private:
  bool IsListPage(const std::string& page);
  // The markers that tell a result or a list page, as a failure names them.
  std::string ExpectedMarkers() const;

  FilmOptions options_;
  OptionTable table_;
  SiteDescription site_;
  KeywordLists keywords_;
};

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILMSEARCH_FILTER_H
