// Pieces of the mapping from a result page to an item that both flavours share.
#ifndef ORV_WEBSEARCH_ITEM_VALUES_H
#define ORV_WEBSEARCH_ITEM_VALUES_H

#include <string>
#include <string_view>

#include "contract/host_string.h"
#include "websearch/extraction.h"
#include "websearch/site_file.h"

namespace orv::websearch {

// A field keeps what it held when the page gives no value for it.
void AssignFound(HostString* field, std::string_view value);

// The cover picture's address between the pair: never capital-repaired (addresses are
// case-sensitive), the start marker kept in front when it begins the address, made absolute
// against `webRoot` when `absolute` is set. Empty when the page gives none, or an address of
// another scheme than http or https.
std::string PictureValue(std::string_view page, const MarkerPair& markers, std::string_view webRoot,
                         bool absolute, const ExtractionRules& rules);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_ITEM_VALUES_H
