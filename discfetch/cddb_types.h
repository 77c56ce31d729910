// What the CDDB client talks about: servers, proxy settings, query matches, server status.
#ifndef ORV_DISCFETCH_CDDB_TYPES_H
#define ORV_DISCFETCH_CDDB_TYPES_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace orv::discfetch {

inline constexpr const char* kDefaultCgiPath = "/~cddb/cddb.cgi";

// One server, as the sites list describes it or as the options name it.
struct CddbSite {
  std::string host;
  int32_t port = 80;
  std::string path = kDefaultCgiPath;
  int32_t north = 1;
  int32_t latitudeMinutes = 0;
  int32_t east = 1;
  int32_t longitudeMinutes = 0;
  std::string description;
};

struct ProxySettings {
  std::string host;  // empty: direct connections
  int32_t port = 80;
  std::string user;  // empty: no Proxy-Authorization line
  std::string password;
};

struct QueryMatch {
  std::string cddbCategory;
  uint32_t discId = 0;
  std::string matchArtist;
  std::string matchTitle;
};

using NamedCounts = std::vector<std::pair<std::string, int32_t>>;

struct ServerStatus {
  int32_t currentProto = 0, maxProto = 0;
  bool gets = false, updates = false, posting = false, quotes = false;
  int32_t currentUsers = 0, maxUsers = 0;
  bool stripExt = false;
  int32_t databaseEntries = 0;
  NamedCounts categoryCounts;
  NamedCounts pendingTransmissions;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CDDB_TYPES_H
