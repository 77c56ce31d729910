// The file that describes the site(s) a web search filter queries: an initialisation file
// beside the library, read with the profile store's rules (sections and keys without regard to
// case, blanks around values ignored). Values are cut at 999 characters; a file written in
// UTF-8 or windows-1252 reads alike, in the user's code page. Each section is read from the file
// once in the object's life, however many of its keys are asked for: listing a thousand sites
// must not read the file thousands of times.
#ifndef ORV_WEBSEARCH_SITE_FILE_H
#define ORV_WEBSEARCH_SITE_FILE_H

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace orv::websearch {

constexpr size_t kMaxSiteValue = 999;

// The library's path with ".ini" in place of its extension (appended when its name has none).
std::string SiteFilePath(std::string_view libraryPath);

// A start and an end marker of the site file ("Result_Title_Start", "Result_Title_End").
struct MarkerPair {
  std::string start, end;
};

class SiteFile {
 public:
  explicit SiteFile(std::string path) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  bool Exists() const;

  // The value, or `fallback` when the key is missing.
  std::string Value(std::string_view section, std::string_view key,
                    std::string_view fallback = "") const;
  int IntValue(std::string_view section, std::string_view key, int fallback) const;
  // The pair of keys `name` + "_Start" and `name` + "_End".
  MarkerPair Markers(std::string_view section, std::string_view name) const;
  // Values of the keys "0", "1", ... of the section, up to the first missing or empty one (or,
  // with `stopAt` set, one equal to it without regard to case).
  std::vector<std::string> NumberedValues(std::string_view section,
                                          std::string_view stopAt = "") const;

 private:
  // The section's values as the profile store lists them, read on first use.
  const std::vector<platform::ProfileValue>& Section(std::string_view section) const;

  std::string path_;
  mutable std::map<std::string, std::vector<platform::ProfileValue>> sections_;  // upper-cased
};

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_SITE_FILE_H
