#include "discfetch/xmcd_cache.h"

#include <cstdio>

#include "discfetch/cddb_answer.h"
#include "platform/files.h"
#include "text/ascii.h"

namespace orv::discfetch {
namespace {

std::string IdText(uint32_t discId) {
  char id[16];
  std::snprintf(id, sizeof id, "%08x", static_cast<unsigned>(discId));
  return id;
}

// Whether a "DISCID=" line of the entry lists the identifier (a line may list several).
bool NamesDisc(std::string_view bytes, const std::string& id) {
  const std::string lower = text::ToLowerAscii(bytes);
  size_t at = 0;
  while ((at = lower.find("discid=", at)) != std::string::npos) {
    if (at == 0 || lower[at - 1] == '\n') {
      const size_t end = lower.find('\n', at);
      if (lower.substr(at, end - at).find(id) != std::string::npos) return true;
    }
    at += 7;
  }
  return false;
}

}  // namespace

bool IsCacheCategory(std::string_view category) {
  if (category.empty() || category.size() > 32) return false;
  for (char c : category) {
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

std::string CacheFileName(std::string_view category, uint32_t discId) {
  return std::string(category) + "-" + IdText(discId) + ".xmcd";
}

bool ParseCachedEntry(std::string_view bytes, uint32_t discId, DiscEntry& entry) {
  if (bytes.size() > kMaxCachedEntryBytes || !NamesDisc(bytes, IdText(discId))) return false;
  if (!ParseDiscEntry(EntryTextToUser(bytes), entry)) return false;
  entry.discId = discId;
  return true;
}

bool XmcdCache::Find(uint32_t discId, DiscEntry& entry, std::string& category) const {
  if (folder_.empty()) return false;
  const std::string suffix = "-" + IdText(discId) + ".xmcd";
  platform::FileEnumeration files;
  platform::FoundEntry found;
  int looked = 0;
  for (bool more = files.Start(folder_ + platform::kPathSeparator + "*" + suffix, found);
       more && looked < kMaxCachedFilesPerDisc; more = files.Next(found), ++looked) {
    if (found.kind != platform::EntryKind::kFile) continue;
    const std::string word = found.name.substr(0, found.name.size() - suffix.size());
    if (!IsCacheCategory(word)) continue;
    std::string bytes;
    if (!platform::ReadWholeFile(folder_ + platform::kPathSeparator + found.name, bytes,
                                 kMaxCachedEntryBytes)) {
      continue;
    }
    if (ParseCachedEntry(bytes, discId, entry)) {
      category = word;
      return true;
    }
  }
  entry = DiscEntry();
  return false;
}

bool XmcdCache::Keep(std::string_view category, uint32_t discId, std::string_view bytes) const {
  if (folder_.empty() || !IsCacheCategory(category)) return false;
  // The server names the file's disc: an entry that does not list that disc would later be read
  // for it, so it is not kept.
  DiscEntry check;
  if (!ParseCachedEntry(bytes, discId, check)) return false;
  const std::string path = folder_ + platform::kPathSeparator + CacheFileName(category, discId);
  std::string old;
  if (platform::ReadWholeFile(path, old, kMaxCachedEntryBytes) &&
      ParseCachedEntry(old, discId, check)) {
    return true;
  }
  return platform::WriteWholeFile(path, bytes);
}

}  // namespace orv::discfetch
