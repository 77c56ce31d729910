// The running time of a card ("1H45": hours, the letter H, minutes) as the item's length text
// "HH:MM:SS". Minutes of 60 or more carry into the hours and the hours wrap at 24, as a clock
// time of the day does.
#ifndef ORV_FILMCARD_RUNNING_TIME_H
#define ORV_FILMCARD_RUNNING_TIME_H

#include <optional>
#include <string>
#include <string_view>

namespace orv::filmcard {

// Nothing when the line holds no number for the hours nor for the minutes (an empty line, a
// word): the caller then uses its default duration.
std::optional<std::string> RunningTimeOf(std::string_view line);

// A stored "HH:MM:SS" default read the way the options dialog's time picker reads it; a text
// shorter than 8 characters gives `fallback`.
std::string DefaultDuration(std::string_view stored, std::string_view fallback);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_RUNNING_TIME_H
