// One item of the collection as orvhost keeps it: every MediaItem field in plain C++ values,
// texts in UTF-8, plus the itemKind the filter reported and the item's place in the collection.
#ifndef ORV_HOST_STORED_ITEM_H
#define ORV_HOST_STORED_ITEM_H

#include <cstdint>
#include <string>
#include <vector>

namespace orv::host {

struct StoredItem {
  int64_t order = 0;  // insertion order in the collection; 0 before it is stored
  int32_t itemKind = 0;

  std::string title, type, editor, author, coauthor;
  std::string length, date;  // fixed texts of the record
  int32_t category = 0, year = 0, chap = 0, reservedA = 0, rating = 0;
  float price = 0;
  std::string lang;
  int32_t format1 = 0, format2 = 0, medium = 0, sound = 0;
  std::string custom1, custom2, custom3, comment, image;
  std::string lendat1, lendat2;  // fixed texts
  std::string lendname;
  int32_t reservedB = 0, level = 0;
};

// The field table drives the transcript, list output and the database columns alike, so a
// field is named in one place only.
enum class FieldKind { kText, kInteger, kPrice };

struct ItemField {
  const char* name;
  FieldKind kind;
  std::string StoredItem::*text;  // kText
  int32_t StoredItem::*integer;   // kInteger
  bool reserved;                  // kept in the collection, not shown
};

// Every MediaItem field in record order (price is the one kPrice field).
const std::vector<ItemField>& ItemFields();

// The category an item is filed under: the category carried by itemKind (an ordinary item, or one
// with a link to follow), else the item's own category field (headings, link items).
int32_t CollectionCategory(const StoredItem& item);

bool IsHeadingOrLink(int32_t itemKind);

}  // namespace orv::host

#endif  // ORV_HOST_STORED_ITEM_H
