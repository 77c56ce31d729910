// Template part of collection_settings.h.
#ifndef ORV_HOST_COLLECTION_SETTINGS_INL_H
#define ORV_HOST_COLLECTION_SETTINGS_INL_H

#include <string>

namespace orv::host {

template <class Visit>
void ForEachSetting(const CollectionSettings& s, Visit&& visit) {
  visit("owner", s.owner);
  visit("title", s.title);
  visit("currency", s.currency);
  for (int category = 1; category <= kCategoryCount; ++category) {
    const std::string prefix = CategoryName(category);
    visit("picture." + prefix, s.pictureDirs[category]);
    for (int list = 0; list < 3; ++list) {
      visit("codelist." + prefix + "." + CodeListName(static_cast<CodeList>(list)),
            s.codeLists[category][list]);
    }
  }
  visit("proxy.server", s.proxyServer);
  visit("proxy.port", std::to_string(s.proxyPort));
  visit("proxy.user", s.proxyUser);
  visit("proxy.password", s.proxyPassword);
}

}  // namespace orv::host

#endif  // ORV_HOST_COLLECTION_SETTINGS_INL_H
