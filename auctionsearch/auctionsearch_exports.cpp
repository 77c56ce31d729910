// The library's one export.
#include "auctionsearch/auctionsearch_filter.h"
#include "contract/filter.h"

ORV_EXPORT_FILTER(orv::auctionsearch::AuctionSearchFilter)
