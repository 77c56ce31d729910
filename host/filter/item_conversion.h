// MediaItem records <-> StoredItem values.
//
// The host makes every text of the records it hands out (hs_make, empty for a fresh item) and
// releases every text of a record when done with it, whichever module made it: each text carries
// its own release function.
#ifndef ORV_HOST_ITEM_CONVERSION_H
#define ORV_HOST_ITEM_CONVERSION_H

#include <cstddef>
#include <cstdint>
#include <string>

#include "contract/abi.h"
#include "host/collection/stored_item.h"

namespace orv::host {

// A fixed text of a filter's record (MediaItem, FilterInfo), read only up to its field's end,
// as UTF-8.
std::string FixedText(const char* field, size_t size);

// A record as the host prepares it for ProcessItem: empty texts, zeroed fixed texts, numbers 0.
// False when a text could not be made (the record then holds no text).
bool MakeFreshItem(MediaItem& item);

// Reads every field (texts converted to UTF-8, fixed texts read only up to their field's end).
StoredItem FromMediaItem(const MediaItem& item, int32_t itemKind);

// Fills a record from a stored item: texts made by the host in the user's code page, fixed texts
// truncated so that their terminator fits. A text equal to the same field of `previous` shares
// that record's text (a collection repeats editors, languages, comments from item to item). False
// when a text could not be made.
bool ToMediaItem(const StoredItem& stored, MediaItem& item, const MediaItem* previous = nullptr);

// Releases every text of the record and leaves the fields null.
void ReleaseItemTexts(MediaItem& item);

}  // namespace orv::host

#endif  // ORV_HOST_ITEM_CONVERSION_H
