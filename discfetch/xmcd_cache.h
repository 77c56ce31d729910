// Entries read from CDDB servers, kept as xmcd files in the filter's data folder, one file per
// entry named by its category and disc identifier ("rock-0501a302.xmcd"), holding the entry's
// bytes as the server sent them. A later run can take a disc from there instead of asking a
// server again (today's servers throttle those who ask the same thing twice), or without any
// network at all. Whatever else the folder holds, a truncated, foreign or binary file, is
// passed over: the cache is never a reason for a run to fail.
#ifndef ORV_DISCFETCH_XMCD_CACHE_H
#define ORV_DISCFETCH_XMCD_CACHE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "discfetch/disc_entry.h"

namespace orv::discfetch {

// A cached file larger than a server answer may be is not read.
inline constexpr size_t kMaxCachedEntryBytes = size_t{1} << 20;
// Files of one disc looked at, at most (one per category in practice).
inline constexpr int kMaxCachedFilesPerDisc = 32;

// A category fit for a file name: 1 to 32 ASCII lower-case letters or digits, as the
// protocol's categories are. A server's other words are not cached.
bool IsCacheCategory(std::string_view category);
// "category-xxxxxxxx.xmcd".
std::string CacheFileName(std::string_view category, uint32_t discId);

// A cached file's bytes as the entry of disc `discId`: false unless they hold a complete entry
// whose DISCID lines name that disc. The entry's identifier is then `discId`, as after a read.
bool ParseCachedEntry(std::string_view bytes, uint32_t discId, DiscEntry& entry);

class XmcdCache {
 public:
  // An empty folder: a cache that holds nothing and keeps nothing.
  explicit XmcdCache(std::string folder) : folder_(std::move(folder)) {}

  const std::string& Folder() const { return folder_; }
  // The first good entry of the disc, by file name; its category too.
  bool Find(uint32_t discId, DiscEntry& entry, std::string& category) const;
  // Keeps the bytes of a read entry. A good file already there stays; a bad one is replaced.
  bool Keep(std::string_view category, uint32_t discId, std::string_view bytes) const;

 private:
  std::string folder_;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_XMCD_CACHE_H
