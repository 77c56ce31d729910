#include "auctionsearch/auction_item.h"

#include <string>

#include "contract/host_string.h"
#include "text/number.h"
#include "websearch/item_values.h"
#include "websearch/links.h"
#include "websearch/structured_data.h"
#include "websearch/value_rules.h"

namespace orv::auctionsearch {

double AuctionPrice(std::string_view value) {
  std::string number;
  for (char c : value) {
    if ((c >= '0' && c <= '9') || c == '.' || c == ',') number += c;
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
