// Ids of auctionsearch's own strings and controls (resources/auctionsearch.rc uses the same
// numbers; the ids both web filters share are in websearch/web_ids.h).
#ifndef ORV_AUCTIONSEARCH_RESOURCE_IDS_H
#define ORV_AUCTIONSEARCH_RESOURCE_IDS_H

namespace orv::auctionsearch {

// Options dialog (129).
enum : int {
  kIdWebRoot = 1001,
  kIdMaxResults = 1003,
  kIdTitlesAndDesc = 1007,
};

// Keyword dialog (1001).
enum : int {
  kIdByKeywords = 1005,  // radio group: keywords (0) or object number (1)
  kIdByNumber = 1006,
  kIdTitlesBox = 1008,
  kIdCategory = 1010,
  kIdSort = 1012,
};

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_RESOURCE_IDS_H
