// Local time and calendar formatting, tick count and sleep.
#ifndef ORV_PLATFORM_CLOCK_H
#define ORV_PLATFORM_CLOCK_H

#include <cstdint>
#include <ctime>
#include <string>

namespace orv::platform {

std::time_t Now();
std::tm LocalTime(std::time_t when);
// mktime: normalises the fields like a calendar time (60 minutes carry into the hour ...).
std::time_t MakeLocalTime(std::tm& fields);
// strftime into a string ("%H:%M:%S", "%Y/%m/%d").
std::string FormatTime(const char* format, const std::tm& fields);
uint32_t TickCountMs();
void SleepMs(uint32_t milliseconds);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_CLOCK_H
