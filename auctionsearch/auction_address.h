// The address of an auction search, by keywords or by object number.
#ifndef ORV_AUCTIONSEARCH_AUCTION_ADDRESS_H
#define ORV_AUCTIONSEARCH_AUCTION_ADDRESS_H

#include <string>

#include "auctionsearch/auction_params.h"

namespace orv::auctionsearch {

struct AuctionQuery {
  std::string keywords;  // as typed, blanks around them aside
  bool byNumber = false;
  bool titlesAndDescriptions = false;
  std::string category, sort;  // option texts of the chosen TYPES and SORT entries
};

// By number: SearchItem, the number, SearchItemOpt. By keywords: SearchAdv and the keywords,
// then SearchAdvOpt and the options when there are any: SearchAdvTitles (titles and
// descriptions), the category, the sort order, and SearchAdvOpt2 with the keywords again when
// they hold "-" or "+". Keywords are percent-encoded in the site's charset with SearchOperator
// for blanks; every "%EBAY%" becomes `webRoot`.
std::string SearchAddress(const AuctionParameters& parameters, const AuctionQuery& query,
                          const std::string& webRoot);

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTION_ADDRESS_H
