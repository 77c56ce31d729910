#include "auctionsearch/auction_address.h"

#include "websearch/keywords.h"

namespace orv::auctionsearch {

std::string SearchAddress(const AuctionParameters& p, const AuctionQuery& query,
                          const std::string& webRoot) {
  const std::string keywords = websearch::EncodeKeywords(query.keywords, p.searchOperator, p.searchCharset);
  std::string address;
  if (query.byNumber) {
    address = p.searchItem + keywords + p.searchItemOpt;
  } else {
    address = p.searchAdv + keywords;
    std::string options;
    if (query.titlesAndDescriptions) options += p.searchAdvTitles;
    options += query.category;
    options += query.sort;
    if (query.keywords.find_first_of("-+") != std::string::npos) {
      options += p.searchAdvOpt2 + keywords;
    }
    if (!options.empty()) address += p.searchAdvOpt + options;
  }
  static const std::string kPlaceholder = "%EBAY%";
  for (size_t at = address.find(kPlaceholder); at != std::string::npos;
       at = address.find(kPlaceholder, at + webRoot.size())) {
    address.replace(at, kPlaceholder.size(), webRoot);
  }
  return address;
}

}  // namespace orv::auctionsearch
