// The collection's items as a readable table or as JSON (`orvhost list`).
#ifndef ORV_HOST_ITEM_LISTING_H
#define ORV_HOST_ITEM_LISTING_H

#include <string>
#include <vector>

#include "host/collection/stored_item.h"

namespace orv::host {

// An array of objects: itemKind, then every shown field by its name. One object per line.
std::string ItemsAsJson(const std::vector<StoredItem>& items);

// One line per item, in columns that fit `width` characters: order, kind, category, year, title,
// author, medium and price, by their names; texts with control characters escaped, titles and
// authors cut at a word boundary with "…".
std::string ItemsAsTable(const std::vector<StoredItem>& items, size_t width);

}  // namespace orv::host

#endif  // ORV_HOST_ITEM_LISTING_H
