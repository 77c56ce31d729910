#include "host/stored_item.h"

#include "contract/abi.h"

namespace orv::host {

namespace {

ItemField Text(const char* name, std::string StoredItem::*member) {
  return {name, FieldKind::kText, member, nullptr, false};
}
ItemField Integer(const char* name, int32_t StoredItem::*member, bool reserved = false) {
  return {name, FieldKind::kInteger, nullptr, member, reserved};
}

}  // namespace

const std::vector<ItemField>& ItemFields() {
  static const std::vector<ItemField> fields = {
      Text("title", &StoredItem::title),
      Text("type", &StoredItem::type),
      Text("editor", &StoredItem::editor),
      Text("author", &StoredItem::author),
      Text("coauthor", &StoredItem::coauthor),
      Text("length", &StoredItem::length),
      Text("date", &StoredItem::date),
      Integer("category", &StoredItem::category),
      Integer("year", &StoredItem::year),
      Integer("chap", &StoredItem::chap),
      Integer("reservedA", &StoredItem::reservedA, true),
      Integer("rating", &StoredItem::rating),
      {"price", FieldKind::kPrice, nullptr, nullptr, false},
      Text("lang", &StoredItem::lang),
      Integer("format1", &StoredItem::format1),
      Integer("format2", &StoredItem::format2),
      Integer("medium", &StoredItem::medium),
      Integer("sound", &StoredItem::sound),
      Text("custom1", &StoredItem::custom1),
      Text("custom2", &StoredItem::custom2),
      Text("custom3", &StoredItem::custom3),
      Text("comment", &StoredItem::comment),
      Text("image", &StoredItem::image),
      Text("lendat1", &StoredItem::lendat1),
      Text("lendat2", &StoredItem::lendat2),
      Text("lendname", &StoredItem::lendname),
      Integer("reservedB", &StoredItem::reservedB, true),
      Integer("level", &StoredItem::level),
  };
  return fields;
}

int32_t CollectionCategory(const StoredItem& item) {
  const int32_t low = item.itemKind & 0xFF;
  if (!IsHeadingOrLink(item.itemKind) && low >= ORV_CATEGORY_VIDEO &&
      low <= ORV_CATEGORY_COLLECTIBLE) {
    return low;
  }
  return item.category;
}

bool IsHeadingOrLink(int32_t itemKind) {
  return itemKind == ORV_KIND_HEADING || itemKind == ORV_KIND_LINK;
}

}  // namespace orv::host
