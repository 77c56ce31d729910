// The collection's items as a readable table or as JSON (`orvhost list`).
#ifndef ORV_HOST_ITEM_LISTING_H
#define ORV_HOST_ITEM_LISTING_H

#include <string>
#include <vector>

#include "host/stored_item.h"

namespace orv::host {

// An array of objects: itemKind, then every shown field by its name. One object per line.
std::string ItemsAsJson(const std::vector<StoredItem>& items);

// One line per item: order, kind, category, year, title, author, medium, price.
std::string ItemsAsTable(const std::vector<StoredItem>& items);

// The first `width` characters of UTF-8 text, padded with blanks to that width (characters, not
// bytes, so accented titles line up).
std::string FitColumn(const std::string& utf8, size_t width);

}  // namespace orv::host

#endif  // ORV_HOST_ITEM_LISTING_H
