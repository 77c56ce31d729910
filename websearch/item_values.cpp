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
  std::string address = PictureAddress(found, markers.start, webRoot, absolute);
  // A page must not point the host at a local file ("file:///home/u/.ssh/id_rsa#http.jpg"):
  // only a web address is a picture's address.
  if (StartsWithScheme(address) && !platform::IsWebAddress(address)) address.clear();
  return address;
}

}  // namespace orv::websearch
