#include "host/output/item_listing.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>

#include "contract/abi.h"
#include "contract/list_piece.h"
#include "contract/medium.h"
#include "host/collection/collection_settings.h"
#include "host/output/json.h"
#include "host/output/terminal_text.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

std::string KindName(int32_t kind) {
  if (kind >= ORV_CATEGORY_VIDEO && kind <= ORV_CATEGORY_COLLECTIBLE) return "item";
  if (kind == ORV_KIND_HEADING) return "heading";
  if (kind == ORV_KIND_LINK) return "link";
  if (kind > ORV_KIND_WITH_LINK && kind <= ORV_KIND_WITH_LINK + ORV_CATEGORY_COLLECTIBLE) {
    return "item+link";
  }
  return std::to_string(kind);
}

std::string CategoryText(int32_t category) {
  const std::string name = CategoryName(category);
  return name.empty() ? std::to_string(category) : name;
}

// The medium's name from the global list (piece code + 1), its number when the list has none.
std::string MediumText(int32_t code) {
  const std::string name = code >= 0 && code < INT32_MAX ? GetListPiece(code + 1, MediumNames(), "",
                                                                        "|", EmptyPiece::kEmptyText)
                                                         : std::string();
  return name.empty() ? std::to_string(code) : Printable(text::UserToUtf8(name));
}

enum Column { kOrder, kKind, kCategory, kYear, kTitle, kAuthor, kMedium, kPrice, kColumns };
using Row = std::array<std::string, kColumns>;

Row RowOf(const StoredItem& item) {
  char price[32];
  std::snprintf(price, sizeof price, "%.2f", static_cast<double>(item.price));
  return {std::to_string(item.order),
          KindName(item.itemKind),
          CategoryText(CollectionCategory(item)),
          item.year ? std::to_string(item.year) : "",
          Printable(item.title),
          Printable(item.author),
          MediumText(item.medium),
          price};
}

// Title and author share what the other columns leave of the line; each takes no more than its
// longest text needs, and the author at least two fifths when both are long.
void ShareWidth(size_t rest, size_t& title, size_t& author) {
  const size_t needTitle = title, needAuthor = author;
  author = std::min(needAuthor, std::max(rest * 2 / 5, rest > needTitle ? rest - needTitle : 0));
  title = std::min(needTitle, rest > author ? rest - author : 0);
  title = std::max<size_t>(title, 5);    // room for "title"
  author = std::max<size_t>(author, 6);  // and "author"
}

// itemKind first, then the item's fields, then its link as an object of the same form.
std::string ObjectJson(const StoredItem& item) {
  const std::string fields = ItemJson(item);
  std::string out = "{\"itemKind\":" + std::to_string(item.itemKind);
  if (fields.size() > 2) out += "," + fields.substr(1, fields.size() - 2);
  if (item.link) out += ",\"link\":" + ObjectJson(*item.link);
  return out + "}";
}

}  // namespace

std::string ItemsAsJson(const std::vector<StoredItem>& items) {
  if (items.empty()) return "[]\n";
  std::string out = "[\n";
  for (size_t i = 0; i < items.size(); ++i) {
    out += ObjectJson(items[i]);
    out += i + 1 < items.size() ? ",\n" : "\n";
  }
  out += "]\n";
  return out;
}

std::string ItemsAsTable(const std::vector<StoredItem>& items, size_t width) {
  std::vector<Row> rows = {{"#", "kind", "category", "year", "title", "author", "medium", "price"}};
  for (const StoredItem& item : items) rows.push_back(RowOf(item));
  std::array<size_t, kColumns> widths{};
  for (const Row& row : rows) {
    for (int c = 0; c < kColumns; ++c) widths[c] = std::max(widths[c], CharacterCount(row[c]));
  }
  constexpr size_t kGap = 2;
  size_t fixed = kGap * (kColumns - 1);
  for (int c = 0; c < kColumns; ++c) {
    if (c != kTitle && c != kAuthor) fixed += widths[c];
  }
  ShareWidth(width > fixed ? width - fixed : 0, widths[kTitle], widths[kAuthor]);

  // An item's link goes on the line below it, from the title column on.
  size_t titleStart = 0;
  for (int c = 0; c < kTitle; ++c) titleStart += widths[c] + kGap;
  const size_t linkWidth = width > titleStart + 1 ? width - titleStart : 1;

  std::string out;
  for (size_t r = 0; r < rows.size(); ++r) {
    const Row& row = rows[r];
    std::string line;
    for (int c = 0; c < kColumns; ++c) {
      if (c > 0) line.append(kGap, ' ');
      if (c == kPrice) {
        // Prices line up on their decimal point.
        line.append(widths[c] - std::min(widths[c], CharacterCount(row[c])), ' ');
        line += row[c];
      } else {
        line += FitColumn(row[c], widths[c]);
      }
    }
    out += line + "\n";
    const StoredItem* item = r > 0 ? &items[r - 1] : nullptr;
    if (item && item->link) {
      const std::string address = Printable(item->link->type);
      std::string linkLine =
          std::string(titleStart, ' ') +
          FitColumn("link: " + (address.empty() ? Printable(item->link->title) : address),
                    linkWidth);
      while (linkLine.back() == ' ') linkLine.pop_back();
      out += linkLine + "\n";
    }
  }
  out += std::to_string(items.size()) + " item(s)\n";
  return out;
}

}  // namespace orv::host
