// The settings of a collection that make the HostDocument: owner, title, currency, picture
// folder per category, the code lists of each category, and the proxy.
#ifndef ORV_HOST_COLLECTION_SETTINGS_H
#define ORV_HOST_COLLECTION_SETTINGS_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv::host {

constexpr int kCategoryCount = 5;

enum class CodeList { kFormat1 = 0, kSound = 1, kFormat2 = 2 };

// Texts in UTF-8. An empty picture folder means the default one beside the database.
struct CollectionSettings {
  std::string owner, title;
  std::string currency = "\xE2\x82\xAC";                    // euro sign
  std::array<std::string, kCategoryCount + 1> pictureDirs;  // index 1..5
  std::array<std::array<std::string, 3>, kCategoryCount + 1> codeLists;
  std::string proxyServer, proxyUser, proxyPassword;
  uint16_t proxyPort = 0;
};

// Settings of a new collection: the default code lists, the euro as currency.
CollectionSettings DefaultSettings();

// "video", "audio", "software", "book", "collectible" for 1..5, "" otherwise.
const char* CategoryName(int category);
// 1..5 or a category name (ASCII case ignored); nothing otherwise.
std::optional<int> ParseCategory(std::string_view text);

const char* CodeListName(CodeList list);  // "format1", "sound", "format2"
std::optional<CodeList> ParseCodeListName(std::string_view text);

// Settings as name/value pairs, the form the collection stores them in, and back. Unknown names
// are ignored when reading, so a newer collection still opens.
template <class Visit>
void ForEachSetting(const CollectionSettings& settings, Visit&& visit);
void ApplySetting(CollectionSettings& settings, std::string_view name, const std::string& value);

}  // namespace orv::host

#include "host/collection/collection_settings_inl.h"

#endif  // ORV_HOST_COLLECTION_SETTINGS_H
