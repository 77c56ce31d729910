#include "websearch/item_values.h"

#include "platform/page_fetch.h"
#include "websearch/links.h"

namespace orv::websearch {

void AssignFound(HostString* field, std::string_view value) {
  if (!value.empty()) Assign(field, value);
}

std::string PictureValue(std::string_view page, const MarkerPair& markers, std::string_view webRoot,
                         bool absolute, const ExtractionRules& rules) {
  ExtractionRules asIs = rules;
  asIs.fixCapitals = false;
  const std::string found = ExtractBetween(page, markers.start, markers.end, true, asIs);
  if (found.empty()) return found;
  return WebAddressOrNone(PictureAddress(found, markers.start, webRoot, absolute));
}

}  // namespace orv::websearch
