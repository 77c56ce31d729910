#include "auctionsearch/auction_options.h"

#include "auctionsearch/resource_ids.h"

namespace orv::auctionsearch {

const char kDefaultWebRoot[] = "www.ebay.fr";

OptionTable MakeOptionTable(AuctionOptions& o, websearch::WebOptions& web) {
  using C = OptionControl;
  OptionTable table = {
      TextOption("WebRoot", &o.webRoot, kDefaultWebRoot, C::kEdit, kIdWebRoot),
      // A number box: shown and read by the dialog itself.
      IntOption("MaxResults", &o.maxResults, 40),
      IntOption("TitlesAndDesc", &o.titlesAndDesc, 0, C::kCheckBox, kIdTitlesAndDesc),
  };
  websearch::AppendWebOptions(table, web);
  return table;
}

}  // namespace orv::auctionsearch
