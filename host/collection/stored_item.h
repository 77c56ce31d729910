// One item of the collection as orvhost keeps it: every MediaItem field in plain C++ values,
// texts in UTF-8, plus the itemKind the filter reported and the item's place in the collection.
#ifndef ORV_HOST_STORED_ITEM_H
#define ORV_HOST_STORED_ITEM_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv::host {

struct StoredItem {
  int64_t order = 0;  // insertion order in the collection; 0 before it is stored
  int64_t run = 0;    // the import run that stored it; 0 for none (stored by an earlier version)
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

  // The link item (kind 128) that followed this item, kept with it rather than as an item.
  std::shared_ptr<const StoredItem> link;
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

// The category an item is filed under: an ordinary item's own category field when it is 1 to 5
// (filescan reports kind 4 for every file), else the category its itemKind carries; headings and
// link items by their category field.
int32_t CollectionCategory(const StoredItem& item);

bool IsHeadingOrLink(int32_t itemKind);

// True for the items a link item may follow: ordinary ones, with or without a link to come.
bool TakesLink(int32_t itemKind);

// True when both have the same itemKind and every MediaItem field alike (order, run and link
// aside); the price compares bit for bit.
bool SameItem(const StoredItem& a, const StoredItem& b);

// A digest of what SameItem compares, stable across versions and platforms, to find candidates
// for SameItem without comparing with every item.
int64_t ItemDigest(const StoredItem& item);

// Items in stored order, as an earlier version kept them: each link item of no run that follows
// an item of no run taking a link (and not linked yet) becomes that item's link and leaves the
// list. Returns the number attached.
size_t AttachLinks(std::vector<StoredItem>& items);

}  // namespace orv::host

#endif  // ORV_HOST_STORED_ITEM_H
