// Ids of filmsearch's own strings and controls (resources/filmsearch.rc uses the same numbers;
// the ids both web filters share are in websearch/web_ids.h).
#ifndef ORV_FILMSEARCH_RESOURCE_IDS_H
#define ORV_FILMSEARCH_RESOURCE_IDS_H

namespace orv::filmsearch {

enum : int {
  kStringFullScreenKeywords = 28,  // "PL|PAN|4:3|4/3|1:33|FULL"
  kStringSoundKeywords = 34,       // positions follow the sound list
  kStringWideKeywords = 35,        // "SCOPE|16|85"
  kStringSiteColumns = 40,         // "Site web,Description,120,225"
  kStringDefaultTime = 53,         // "01:00:00"
  kStringFormat1List = 256,
  kStringSupportList = 257,
  kStringSoundList = 260,
  kStringFormat2List = 261,
};

// Options dialog (129).
enum : int {
  kIdValue = 1001,
  kIdSiteList = 1004,
  kIdSupport = 1010,
  kIdSound = 1011,
  kIdVideoFormat = 1012,
  kIdScreenFormat = 1013,
  kIdDuration = 1015,
};

// Keyword dialog (1001): the label above the keyword box.
enum : int { kIdSearchLabel = 1007 };

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_RESOURCE_IDS_H
