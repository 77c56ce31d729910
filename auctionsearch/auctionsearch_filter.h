// auctionsearch, the auction web search import: objects of the auction site found by keywords
// or by their number become collectibles with their price, reference and picture, each
// followed by a link item to the object's page.
#ifndef ORV_AUCTIONSEARCH_AUCTIONSEARCH_FILTER_H
#define ORV_AUCTIONSEARCH_AUCTIONSEARCH_FILTER_H

#include <memory>
#include <string>

#include "auctionsearch/auction_options.h"
#include "auctionsearch/auction_params.h"
#include "websearch/search_run.h"

namespace orv::auctionsearch {

class AuctionSearchFilter : public websearch::WebSearchFilter {
 public:
  AuctionSearchFilter();
  AuctionOptions& Settings() { return options_; }

 protected:
  // The parameter file: it must exist and hold the required keys of MAIN.
  bool LoadSite() override;
  // Keywords or an object number; not-found texts, the object's page or a list of hits.
  Found Search() override;
  void FillItem(MediaItem& item, const std::string& page) override;
  std::string Confirmation(const MediaItem& item) override;
  websearch::MarkerPair TitleMarkers() const override { return parameters_.resultTitle; }
  bool UsesStructuredData() const override { return parameters_.structuredData; }
  void CheckSteps(websearch::SiteChecker& checker, const std::string& keywords) override;
  OptionTable& Options() override { return table_; }
  // The shared options dialog, with the most hits in its number box.
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;

 private:
  bool FoundNothing(const std::string& page) const;

  AuctionOptions options_;
  OptionTable table_;
  AuctionParameters parameters_;
};

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTIONSEARCH_FILTER_H
