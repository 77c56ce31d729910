// The library's one export.
#include "contract/filter.h"
#include "filmsearch/filmsearch_filter.h"

ORV_EXPORT_FILTER(orv::filmsearch::FilmSearchFilter)
