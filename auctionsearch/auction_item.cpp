#include "auctionsearch/auction_item.h"

#include <string>

#include "contract/host_string.h"
#include "text/number.h"
#include "websearch/item_values.h"
#include "websearch/links.h"
#include "websearch/structured_data.h"
#include "websearch/value_rules.h"

namespace orv::auctionsearch {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a blank that may group thousands at `at`: a space, a no-break space (alone in
// windows-1252, two bytes in UTF-8) or UTF-8's narrow no-break space; 0 when there is none.
size_t GroupingBlank(std::string_view text, size_t at) {
  for (std::string_view blank : {std::string_view(" "), std::string_view("\xC2\xA0"),
                                 std::string_view("\xE2\x80\xAF"), std::string_view("\xA0")}) {
    if (text.compare(at, blank.size(), blank) == 0) return blank.size();
  }
  return 0;
}

}  // namespace

double AuctionPrice(std::string_view value) {
  size_t at = 0;
  while (at < value.size() && !IsDigit(value[at])) ++at;
  std::string number;
  while (at < value.size()) {
    const char c = value[at];
    if (IsDigit(c) || c == '.' || c == ',') {
      number += c;
      ++at;
      continue;
    }
    // "1 234,50": a blank then exactly three digits groups thousands; any other blank ends
    // the number ("12,50 EUR + 5,00 EUR de port" is 12.5).
    const size_t blank = GroupingBlank(value, at);
    const size_t group = at + blank;
    const bool thousands = blank > 0 && group + 3 <= value.size() && IsDigit(value[group]) &&
                           IsDigit(value[group + 1]) && IsDigit(value[group + 2]) &&
                           (group + 3 == value.size() || !IsDigit(value[group + 3]));
    if (!thousands) break;
    at = group;
  }
  return websearch::PriceValue(number);
}

void FillAuctionItem(MediaItem& item, std::string_view page, const AuctionParameters& p,
                     const websearch::ExtractionRules& rules, int currentYear) {
  const auto value = [&](const MarkerPair& markers) {
    return websearch::ExtractBetween(page, markers.start, markers.end, true, rules);
  };
  item.category = ORV_CATEGORY_COLLECTIBLE;
  item.medium = ORV_CATEGORY_COLLECTIBLE;
  item.price = 0;
  item.chap = 1;
  item.year = currentYear;
  std::string title = value(p.resultTitle);
  websearch::AssignFound(&item.type, value(p.resultType));
  websearch::AssignFound(&item.editor, value(p.resultEditor));
  websearch::AssignFound(&item.author, value(p.resultAuthor));
  if (const std::string year = value(p.resultYear); !year.empty()) {
    item.year = text::IntegerValue(year);
  }
  value(p.resultDate);  // read like the others, for the debug messages; no field takes it
  websearch::AssignFound(&item.lang, value(p.resultLang));
  websearch::AssignFound(&item.custom1, value(p.resultRef));
  websearch::AssignFound(&item.comment, value(p.resultComment));
  std::string price = value(p.resultPrice);
  // This flavour does not make picture links absolute: the address only loses its quotes.
  std::string picture = websearch::PictureValue(page, p.resultPicture, "", false, rules);

  if (p.structuredData && (title.empty() || price.empty() || picture.empty())) {
    const websearch::StructuredValues found =
        websearch::ReadStructuredData(page, websearch::StructuredKind::kAuction);
    if (title.empty()) {
      title = rules.fixCapitals ? websearch::FixCapitals(found.title) : found.title;
    }
    if (price.empty()) price = found.price;
    if (picture.empty()) picture = websearch::WithoutQuotes(found.picture);
  }
  websearch::AssignFound(&item.title, title);
  if (!price.empty()) item.price = static_cast<float>(AuctionPrice(price));
  websearch::AssignFound(&item.image, picture);
}

}  // namespace orv::auctionsearch
