// auctionsearch's options, kept in the profile section "auctionsearch".
#ifndef ORV_AUCTIONSEARCH_AUCTION_OPTIONS_H
#define ORV_AUCTIONSEARCH_AUCTION_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"
#include "websearch/web_options.h"

namespace orv::auctionsearch {

// The domain searched by default: it stands for "%EBAY%" in the parameter file's addresses.
extern const char kDefaultWebRoot[];

struct AuctionOptions {
  std::string webRoot = kDefaultWebRoot;
  int32_t maxResults = 40;    // most hits taken from one list page
  int32_t titlesAndDesc = 0;  // the keyword dialog's box starts checked
};

// The options in the order they are read and written, the shared ones among them.
OptionTable MakeOptionTable(AuctionOptions& options, websearch::WebOptions& web);

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTION_OPTIONS_H
