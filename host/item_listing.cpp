#include "host/item_listing.h"

#include <cstdio>

#include "host/json.h"

namespace orv::host {

namespace {

std::string KindName(int32_t kind) {
  if (kind == 64) return "heading";
  if (kind == 128) return "link";
  if (kind > 256 && kind <= 261) return std::to_string(kind - 256) + "+link";
  return std::to_string(kind);
}

// Line breaks and tabs would break the table's rows.
std::string OneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  return out;
}

}  // namespace

std::string ItemsAsJson(const std::vector<StoredItem>& items) {
  if (items.empty()) return "[]\n";
  std::string out = "[\n";
  for (size_t i = 0; i < items.size(); ++i) {
    // itemKind first, then the item's fields, in one object.
    const std::string fields = ItemJson(items[i]);
    out += "{\"itemKind\":" + std::to_string(items[i].itemKind);
    if (fields.size() > 2)
      out += "," + fields.substr(1);
    else
      out += "}";
    out += i + 1 < items.size() ? ",\n" : "\n";
  }
  out += "]\n";
  return out;
}

std::string FitColumn(const std::string& utf8, size_t width) {
  std::string out;
  size_t characters = 0;
  for (size_t i = 0; i < utf8.size();) {
    size_t length = 1;
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead >= 0xF0)
      length = 4;
    else if (lead >= 0xE0)
      length = 3;
    else if (lead >= 0xC0)
      length = 2;
    if (i + length > utf8.size()) length = utf8.size() - i;
    if (characters == width) break;
    out.append(utf8, i, length);
    ++characters;
    i += length;
  }
  out.append(width - characters, ' ');
  return out;
}

std::string ItemsAsTable(const std::vector<StoredItem>& items) {
  std::string out = FitColumn("#", 5) + " " + FitColumn("kind", 7) + " " + FitColumn("cat", 3) +
                    " " + FitColumn("year", 4) + " " + FitColumn("title", 40) + " " +
                    FitColumn("author", 24) + " " + FitColumn("medium", 6) + " price\n";
  for (const StoredItem& item : items) {
    char price[32];
    std::snprintf(price, sizeof price, "%.2f", static_cast<double>(item.price));
    out += FitColumn(std::to_string(item.order), 5) + " " + FitColumn(KindName(item.itemKind), 7) +
           " " + FitColumn(std::to_string(CollectionCategory(item)), 3) + " " +
           FitColumn(item.year ? std::to_string(item.year) : "", 4) + " " +
           FitColumn(OneLine(item.title), 40) + " " + FitColumn(OneLine(item.author), 24) + " " +
           FitColumn(std::to_string(item.medium), 6) + " " + price + "\n";
  }
  out += std::to_string(items.size()) + " item(s)\n";
  return out;
}

}  // namespace orv::host
