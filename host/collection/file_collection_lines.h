// The lines of the text-file collection: texts escaped so that one record is one line of
// tab-separated parts, and items written and parsed field by field.
#ifndef ORV_HOST_FILE_COLLECTION_LINES_H
#define ORV_HOST_FILE_COLLECTION_LINES_H

#include <string>
#include <string_view>
#include <vector>

#include "host/collection/stored_item.h"

namespace orv::host::file_lines {

// Backslash, tab and line breaks escaped, and back.
std::string Escape(std::string_view text);
std::string Unescape(std::string_view text);

std::vector<std::string_view> SplitTabs(std::string_view line);

bool ParseInt32(std::string_view text, int32_t& value);
bool ParseInt64(std::string_view text, int64_t& value);

// "<itemKind>\t<field>\t…": the item's part of an item or link line, without a line end.
std::string ItemParts(const StoredItem& item);
// Reads ItemParts from parts[first] on; false unless they are exactly there and well formed.
bool ParseItemParts(const std::vector<std::string_view>& parts, size_t first, StoredItem& item);

}  // namespace orv::host::file_lines

#endif  // ORV_HOST_FILE_COLLECTION_LINES_H
