#include "platform/file_facts.h"

#include <windows.h>

namespace orv::platform {
namespace {

// FILETIME counts 100 ns steps from 1601; time_t counts seconds from 1970.
std::time_t TimeOf(const FILETIME& time) {
  const uint64_t ticks = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  constexpr uint64_t kTicksPerSecond = 10000000ull;
  constexpr uint64_t kEpochDifference = 11644473600ull;
  const uint64_t seconds = ticks / kTicksPerSecond;
  return seconds < kEpochDifference ? 0 : static_cast<std::time_t>(seconds - kEpochDifference);
}

}  // namespace

std::optional<FileFacts> ReadFileFacts(const std::string& path) {
  if (path.empty()) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  FileFacts facts;
  facts.created = TimeOf(data.ftCreationTime);
  facts.lastWritten = TimeOf(data.ftLastWriteTime);
  facts.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  facts.temporary = (data.dwFileAttributes & FILE_ATTRIBUTE_TEMPORARY) != 0;
  return facts;
}

}  // namespace orv::platform
