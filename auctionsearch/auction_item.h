// An auction object's page as a collectible item: its title, kind, seller, condition, country,
// reference, description, price and picture.
#ifndef ORV_AUCTIONSEARCH_AUCTION_ITEM_H
#define ORV_AUCTIONSEARCH_AUCTION_ITEM_H

#include <string_view>

#include "auctionsearch/auction_params.h"
#include "contract/abi.h"
#include "websearch/extraction.h"

namespace orv::auctionsearch {

// The price of a value such as "EUR 1.234,50": the number from its first digit to the first
// character that is not a digit, "." or "," (a blank before exactly three digits groups
// thousands: "1 234,50 €"), read with the separator rules of PriceValue.
double AuctionPrice(std::string_view value);

void FillAuctionItem(MediaItem& item, std::string_view page, const AuctionParameters& p,
                     const websearch::ExtractionRules& rules, int currentYear);

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTION_ITEM_H
