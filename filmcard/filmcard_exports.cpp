// The library's one export.
#include "contract/filter.h"
#include "filmcard/filmcard_filter.h"

ORV_EXPORT_FILTER(orv::filmcard::FilmcardFilter)
