// What a directory walk needs to know of one file: its creation and last-write times, its
// size and its temporary attribute, read without opening it.
//
// On Linux the creation time is the birth time where the file system records one (statx),
// else the time of the last status change; no file is temporary there.
#ifndef ORV_PLATFORM_FILE_FACTS_H
#define ORV_PLATFORM_FILE_FACTS_H

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace orv::platform {

struct FileFacts {
  std::time_t created = 0;
  std::time_t lastWritten = 0;
  uint64_t size = 0;  // the whole size, beyond 4 GiB too
  bool temporary = false;
};

// Nothing when nothing is at the path, or when it is a folder.
std::optional<FileFacts> ReadFileFacts(const std::string& path);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_FILE_FACTS_H
