// The summary information property set, as a compound file's stream hands it over: the header
// and section list, the summary section's property table, its code page and its six strings
// (8-bit in the set's code page, or UTF-16), and the comment the document's item gets.
#include <cstdint>
#include <string_view>

#include "filescan/document_reader.h"
#include "filescan/property_set.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orv::filescan;
  SummaryProperties properties;
  if (ParseSummaryProperties(std::string_view(reinterpret_cast<const char*>(data), size),
                             properties)) {
    (void)DocumentComment(properties);
  }
  return 0;
}
