#include "host/collection/collection_settings.h"

#include <cstdlib>

#include "text/ascii.h"

namespace orv::host {

CollectionSettings DefaultSettings() {
  CollectionSettings s;
  s.codeLists[1][static_cast<int>(CodeList::kFormat1)] =
      "Pal|S\xC3\xA9"
      "cam|Ntsc|DivX|XviD|Mpeg";
  s.codeLists[1][static_cast<int>(CodeList::kFormat2)] = "2:35|16/9|1:85|4/3";
  for (int category = 1; category <= kCategoryCount; ++category) {
    s.codeLists[category][static_cast<int>(CodeList::kSound)] =
        "Mono|St\xC3\xA9r\xC3\xA9o|Dolby Pro|AC3|Thx|Dts|Dolby 5.0|Dolby 5.1|Dolby 6.1|Mp3|Wma";
  }
  return s;
}

const char* CategoryName(int category) {
  static const char* const kNames[] = {"", "video", "audio", "software", "book", "collectible"};
  return category >= 1 && category <= kCategoryCount ? kNames[category] : "";
}

std::optional<int> ParseCategory(std::string_view text) {
  if (text.size() == 1 && text[0] >= '1' && text[0] <= '5') return text[0] - '0';
  for (int category = 1; category <= kCategoryCount; ++category) {
    if (text::EqualsIgnoringAsciiCase(text, CategoryName(category))) return category;
  }
  return std::nullopt;
}

const char* CodeListName(CodeList list) {
  switch (list) {
    case CodeList::kFormat1:
      return "format1";
    case CodeList::kSound:
      return "sound";
    case CodeList::kFormat2:
      return "format2";
  }
  return "";
}

std::optional<CodeList> ParseCodeListName(std::string_view text) {
  for (CodeList list : {CodeList::kFormat1, CodeList::kSound, CodeList::kFormat2}) {
    if (text::EqualsIgnoringAsciiCase(text, CodeListName(list))) return list;
  }
  return std::nullopt;
}

void ApplySetting(CollectionSettings& s, std::string_view name, const std::string& value) {
  if (name == "owner") s.owner = value;
  if (name == "title") s.title = value;
  if (name == "currency") s.currency = value;
  if (name == "proxy.server") s.proxyServer = value;
  if (name == "proxy.user") s.proxyUser = value;
  if (name == "proxy.password") s.proxyPassword = value;
  if (name == "proxy.port") {
    const long port = std::strtol(value.c_str(), nullptr, 10);
    s.proxyPort = port > 0 && port <= 65535 ? static_cast<uint16_t>(port) : 0;
  }
  for (int category = 1; category <= kCategoryCount; ++category) {
    const std::string prefix = CategoryName(category);
    if (name == "picture." + prefix) s.pictureDirs[category] = value;
    for (int list = 0; list < 3; ++list) {
      if (name == "codelist." + prefix + "." + CodeListName(static_cast<CodeList>(list))) {
        s.codeLists[category][list] = value;
      }
    }
  }
}

}  // namespace orv::host
