// A result page's structured data: its JSON-LD blocks (any JSON, nested, broken, huge) and its
// OpenGraph meta tags, read as a film page and as an auction object's page.
//
// Input: the page's bytes, in the user's code page as the search run holds it. Seeds: pages
// with Movie and Product blocks in the forms sites use (@graph, lists, ImageObject, offers) and
// OpenGraph tags.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "websearch/structured_data.h"

namespace {

using orv::websearch::StructuredKind;
using orv::websearch::StructuredValues;

void Require(bool condition) {
  if (!condition) std::abort();
}

// A value comes from the page: never much longer than it (a reference or an escape may turn
// into a few bytes more in UTF-8), apart from a formatted number.
void RequireFromPage(const std::string& value, size_t pageSize) {
  Require(value.size() <= 3 * pageSize + 32);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view page(reinterpret_cast<const char*>(data), size);
  for (StructuredKind kind : {StructuredKind::kFilm, StructuredKind::kAuction}) {
    const StructuredValues values = orv::websearch::ReadStructuredData(page, kind);
    for (const std::string* value :
         {&values.title, &values.year, &values.director, &values.picture, &values.price}) {
      RequireFromPage(*value, size);
    }
    if (kind == StructuredKind::kFilm) {
      Require(values.price.empty());
    } else {
      Require(values.year.empty() && values.director.empty());
    }
  }
  return 0;
}
