#include "platform/clock.h"

#include <errno.h>
#include <time.h>

#include <vector>

namespace orv::platform {

std::time_t Now() { return std::time(nullptr); }

std::tm LocalTime(std::time_t when) {
  std::tm fields{};
  localtime_r(&when, &fields);
  return fields;
}

std::time_t MakeLocalTime(std::tm& fields) { return std::mktime(&fields); }

std::string FormatTime(const char* format, const std::tm& fields) {
  if (!format || !*format) return std::string();
  // strftime gives 0 both for an empty result and for a short buffer: grow a few times, then
  // settle for empty.
  for (size_t size = 64; size <= 64 * 1024; size *= 4) {
    std::vector<char> buffer(size);
    const size_t length = std::strftime(buffer.data(), buffer.size(), format, &fields);
    if (length > 0) return std::string(buffer.data(), length);
  }
  return std::string();
}

uint32_t TickCountMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  // Wraps like GetTickCount, after about 49.7 days.
  const uint64_t ms =
      static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}

void SleepMs(uint32_t milliseconds) {
  timespec left{static_cast<time_t>(milliseconds / 1000),
                static_cast<long>(milliseconds % 1000) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

}  // namespace orv::platform
