// The library's one export.
#include "contract/filter.h"
#include "discfetch/discfetch_filter.h"

ORV_EXPORT_FILTER(orv::discfetch::DiscfetchFilter)
