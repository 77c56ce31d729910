#include "platform/clock.h"

#include <windows.h>

#include <cstring>

namespace orv::platform {

std::time_t Now() { return std::time(nullptr); }

std::tm LocalTime(std::time_t when) {
  std::tm fields{};
  // The runtime's localtime is thread-local on Windows; copy it out at once.
  if (const std::tm* local = std::localtime(&when)) fields = *local;
  return fields;
}

std::time_t MakeLocalTime(std::tm& fields) { return std::mktime(&fields); }

std::string FormatTime(const char* format, const std::tm& fields) {
  if (!format) return std::string();
  // The C runtime aborts on a conversion it does not know: refuse those instead.
  for (const char* at = format; *at; ++at) {
    if (*at != '%') continue;
    ++at;
    if (*at == '#') ++at;
    if (!*at || !std::strchr("aAbBcdHIjmMpSUwWxXyYzZ%", *at)) return std::string();
  }
  char buffer[256];
  const size_t n = std::strftime(buffer, sizeof buffer, format, &fields);
  return std::string(buffer, n);
}

uint32_t TickCountMs() { return GetTickCount(); }

void SleepMs(uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace orv::platform
