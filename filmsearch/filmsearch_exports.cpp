// The library's one export, and on Linux the site check orvhost calls.
#include "contract/filter.h"
#include "filmsearch/filmsearch_filter.h"
#include "websearch/site_check_hook.h"

ORV_EXPORT_FILTER(orv::filmsearch::FilmSearchFilter)
ORV_EXPORT_SITE_CHECK(orv::filmsearch::FilmSearchFilter)
