// The auction site's steps of a site check: a keyword search (nothing found, or a list and its
// hits), then the first hit's object page.
#include "auctionsearch/auction_address.h"
#include "auctionsearch/auction_hits.h"
#include "auctionsearch/auctionsearch_filter.h"
#include "contract/list_piece.h"

namespace orv::auctionsearch {

void AuctionSearchFilter::CheckSteps(websearch::SiteChecker& checker, const std::string& keywords) {
  AuctionQuery query;
  query.keywords = keywords;
  const std::string address = SearchAddress(parameters_, query, options_.webRoot);
  std::string page;
  if (!checker.Fetch("search", address, page)) return;
  bool nothing = false;
  WalkList(parameters_.searchNotFound, "|", EmptyPiece::kDefaultText,
           [&](int index, const std::string& piece) {
             nothing = checker.Presence(page, "SearchNotFound", piece, false).found || nothing;
             return index < 99;
           });
  if (nothing) {
    checker.Error("the site found nothing for these keywords (SearchNotFound)");
    return;
  }
  checker.Presence(page, "ListFound", parameters_.listFound, true);
  const size_t blockAt = page.find(parameters_.block.start);
  checker.Pair(page, "Item_String", parameters_.block, true, false);
  // The markers of a hit are looked for in the first hit's block, as the run does.
  websearch::ExtractionRules asIs;
  const std::string block =
      blockAt == std::string::npos
          ? std::string()
          : websearch::ExtractBetween(std::string_view(page).substr(blockAt),
                                      parameters_.block.start, parameters_.block.end, false, asIs);
  checker.Pair(block, "Item_Title", parameters_.title, true);
  checker.Pair(block, "Item_Link", parameters_.link, true);
  checker.Pair(block, "Item_Price", parameters_.price, true);
  checker.Pair(block, "Item_Time", parameters_.time, true);
  const std::vector<AuctionHit> hits =
      ScanAuctionHits(page, parameters_, options_.maxResults, {}, "Sans titre", nullptr);
  checker.Note("hits", std::to_string(hits.size()));
  if (hits.empty()) {
    checker.Error("no hit was found in the list");
    return;
  }
  if (!checker.Fetch("result", hits.front().address, page)) return;
  const std::pair<const char*, const MarkerPair*> pairs[] = {
      {"Result_Title", &parameters_.resultTitle},
      {"Result_Type", &parameters_.resultType},
      {"Result_Editor", &parameters_.resultEditor},
      {"Result_Author", &parameters_.resultAuthor},
      {"Result_Year", &parameters_.resultYear},
      {"Result_Date", &parameters_.resultDate},
      {"Result_Lang", &parameters_.resultLang},
      {"Result_Picture", &parameters_.resultPicture},
      {"Result_Comment", &parameters_.resultComment},
      {"Result_REF", &parameters_.resultRef},
      {"Result_Price", &parameters_.resultPrice}};
  for (const auto& [key, markers] : pairs) checker.Pair(page, key, *markers, true);
}

}  // namespace orv::auctionsearch
