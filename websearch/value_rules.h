// How the texts found on a result page become the numbers and codes of an item.
#ifndef ORV_WEBSEARCH_VALUE_RULES_H
#define ORV_WEBSEARCH_VALUE_RULES_H

#include <optional>
#include <string>
#include <string_view>

namespace orv::websearch {

// A running time as "HH:MM:SS": "1h35" and "2:05" are hours and minutes; a plain number is
// minutes when it says so ("25 min", "95 mn") or is 30 or more, else hours. Minutes carry into
// hours and hours wrap at 24, as on a clock.
std::string RunningTime(std::string_view value);

// A mark brought to the 0..5 scale: up to 5 as it is, 6 to 10 give 5, above that half of it
// (a mark out of 20).
int Rating(std::string_view value);

// The number at the start of `text` (after blanks), made of digits, "." and ",". With both
// separators the last one is the decimal point ("1.234,50" and "1,234.50" are 1234.5); a
// separator that occurs several times groups thousands ("1.234.567"); a single one is the
// decimal point ("12,50" is 12.5). 0 when there is no number, or one too large for the host's
// price field.
double PriceValue(std::string_view text);

// The position of the last piece of the "|"-separated keyword list found in the value, accents
// and case aside ("Stéréo" matches STEREO); nothing when none matches.
std::optional<int> LastKeywordMatch(std::string_view value, std::string_view keywords);

// The screen format code: 3 when a full-screen keyword matches, overridden by the position of
// the last matching widescreen keyword; nothing when none matches. "," reads as ":".
std::optional<int> ScreenCode(std::string_view value, std::string_view fullScreenKeywords,
                              std::string_view wideKeywords);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_VALUE_RULES_H
