#include "host/collection/stored_item.h"

#include <cstring>

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

namespace {

bool IsCategory(int32_t value) {
  return value >= ORV_CATEGORY_VIDEO && value <= ORV_CATEGORY_COLLECTIBLE;
}

uint32_t PriceBits(float price) {
  uint32_t bits;
  std::memcpy(&bits, &price, sizeof bits);
  return bits;
}

// FNV-1a, 64 bits: fixed, so digests written by one build are found by another.
class Digest {
 public:
  void Add(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 0x100000001b3ULL;
  }
  void AddInt(uint32_t value) {
    const unsigned char bytes[4] = {static_cast<unsigned char>(value),
                                    static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16),
                                    static_cast<unsigned char>(value >> 24)};
    Add(bytes, sizeof bytes);
  }
  void AddText(const std::string& text) {
    AddInt(static_cast<uint32_t>(text.size()));  // so that "ab","c" differs from "a","bc"
    Add(text.data(), text.size());
  }
  uint64_t value() const { return hash_; }

 private:
  uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

int32_t CollectionCategory(const StoredItem& item) {
  if (IsHeadingOrLink(item.itemKind)) return item.category;
  if (IsCategory(item.category)) return item.category;
  const int32_t low = item.itemKind & 0xFF;
  return IsCategory(low) ? low : item.category;
}

bool IsHeadingOrLink(int32_t itemKind) {
  return itemKind == ORV_KIND_HEADING || itemKind == ORV_KIND_LINK;
}

bool TakesLink(int32_t itemKind) {
  return IsCategory(itemKind) || IsCategory(itemKind - ORV_KIND_WITH_LINK);
}

bool SameItem(const StoredItem& a, const StoredItem& b) {
  if (a.itemKind != b.itemKind) return false;
  for (const ItemField& field : ItemFields()) {
    switch (field.kind) {
      case FieldKind::kText:
        if (a.*field.text != b.*field.text) return false;
        break;
      case FieldKind::kInteger:
        if (a.*field.integer != b.*field.integer) return false;
        break;
      case FieldKind::kPrice:
        if (PriceBits(a.price) != PriceBits(b.price)) return false;
        break;
    }
  }
  return true;
}

int64_t ItemDigest(const StoredItem& item) {
  Digest digest;
  digest.AddInt(static_cast<uint32_t>(item.itemKind));
  for (const ItemField& field : ItemFields()) {
    switch (field.kind) {
      case FieldKind::kText:
        digest.AddText(item.*field.text);
        break;
      case FieldKind::kInteger:
        digest.AddInt(static_cast<uint32_t>(item.*field.integer));
        break;
      case FieldKind::kPrice:
        digest.AddInt(PriceBits(item.price));
        break;
    }
  }
  const uint64_t value = digest.value();
  int64_t signedValue;  // SQLite keeps signed 64-bit integers
  std::memcpy(&signedValue, &value, sizeof signedValue);
  return signedValue;
}

size_t AttachLinks(std::vector<StoredItem>& items) {
  size_t kept = 0, attached = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    StoredItem& item = items[i];
    if (item.itemKind == ORV_KIND_LINK && item.run == 0 && kept > 0) {
      StoredItem& before = items[kept - 1];
      if (TakesLink(before.itemKind) && !before.link && before.run == 0) {
        before.link = std::make_shared<const StoredItem>(std::move(item));
        ++attached;
        continue;
      }
    }
    if (kept != i) items[kept] = std::move(item);
    ++kept;
  }
  items.resize(kept);
  return attached;
}

}  // namespace orv::host
