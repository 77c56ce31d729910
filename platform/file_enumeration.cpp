// The enumeration by names alone, on both platforms: the entry form without what each entry is.
#include "platform/files.h"

namespace orv::platform {

bool FileEnumeration::Start(const std::string& pattern, std::string& name) {
  FoundEntry entry;
  if (!Start(pattern, entry)) return false;
  name = std::move(entry.name);
  return true;
}

bool FileEnumeration::Next(std::string& name) {
  FoundEntry entry;
  if (!Next(entry)) return false;
  name = std::move(entry.name);
  return true;
}

}  // namespace orv::platform
