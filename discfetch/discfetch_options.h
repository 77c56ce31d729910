// discfetch's options, in the profile section "discfetch": the item defaults and modes edited
// in the options dialog (129), the server, attempts, identity and cache edited in the CDDB
// settings dialog (131).
#ifndef ORV_DISCFETCH_DISCFETCH_OPTIONS_H
#define ORV_DISCFETCH_DISCFETCH_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"

namespace orv::discfetch {

struct DiscfetchOptions {
  int32_t maxCd = 74;    // minutes; stored and edited, read by nothing else
  int32_t avgTrack = 5;  // minutes of a title the table of contents has no track for
  std::string defType;   // string 6
  std::string defValue = "0";
  int32_t defSound = 1;
  int32_t defMedium = 0;
  int32_t createTitles = 0;  // 0 one item per disc, 1 a heading and one item per title
  int32_t incNumber = 1;
  int32_t incArtist = 0;
  int32_t createNotFound = 0;
  int32_t tracksInComment = 1;
  std::string cddbSite;  // the default server
  int32_t cddbPort = 80;
  std::string cddbDesc = "Random freedb server";
  int32_t nbAttempt = 4;
  std::string cddbEmail;   // "" : the hello carries the login and machine names
  int32_t cddbCache = 0;   // CacheMode
  int32_t firstMatch = 0;  // 1: always the first match, without asking
};

// Where entries come from: the server only, the cache before the server, the cache alone.
enum CacheMode : int32_t { kCacheOff = 0, kCacheFirst = 1, kCacheOnly = 2 };

inline constexpr const char* kDefaultDescription = "Random freedb server";

// Every option, in the order read and written; the options dialog's controls bound.
OptionTable MakeOptionTable(DiscfetchOptions& options);
// The options the CDDB settings dialog edits, bound to its controls.
OptionTable MakeSettingsTable(DiscfetchOptions& options);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DISCFETCH_OPTIONS_H
