// The hits of an auction list page: blocks of raw HTML between the Item_String markers, each
// with the object's address, name, price and remaining time.
#ifndef ORV_AUCTIONSEARCH_AUCTION_HITS_H
#define ORV_AUCTIONSEARCH_AUCTION_HITS_H

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "auctionsearch/auction_params.h"
#include "websearch/extraction.h"

namespace orv::auctionsearch {

struct AuctionHit {
  std::string address, name, price, timeLeft;
};

// From the first ListFound of the page on, block after block, until a block gives no address
// or `maxResults` hits are taken (one at least). Addresses are used as found. `shown` hears of
// the last recorded hit after every block.
std::vector<AuctionHit> ScanAuctionHits(std::string_view page, const AuctionParameters& p,
                                        int maxResults, const websearch::ExtractionRules& rules,
                                        std::string_view untitled,
                                        const std::function<void(int, const AuctionHit&)>& shown);

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTION_HITS_H
