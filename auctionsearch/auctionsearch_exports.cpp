// The library's one export, and on Linux the site check orvhost calls.
#include "auctionsearch/auctionsearch_filter.h"
#include "contract/filter.h"
#include "websearch/site_check_hook.h"

ORV_EXPORT_FILTER(orv::auctionsearch::AuctionSearchFilter)
ORV_EXPORT_SITE_CHECK(orv::auctionsearch::AuctionSearchFilter)
