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
  void Describe(FilterInfo& info) override;
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;

  bool LoadSite() override;
  Found Search() override;
  void FillItem(MediaItem& item, const std::string& page) override;
  std::string Confirmation(const MediaItem& item) override;
  void ShowResultPage(const std::string& page) override;
  int Category() const override { return ORV_CATEGORY_VIDEO; }
  websearch::WebOptions& Web() override { return options_.web; }

 private:
  bool IsListPage(const std::string& page);

  FilmOptions options_;
  OptionTable table_;
  SiteDescription site_;
  KeywordLists keywords_;
};

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILMSEARCH_FILTER_H
