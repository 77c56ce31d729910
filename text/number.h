// The integer value of a card text: the decimal integer at its start, after any blanks and with
// an optional sign, as atoi reads it, but without atoi's undefined overflow.
#ifndef ORV_FILMCARD_INTEGER_VALUE_H
#define ORV_FILMCARD_INTEGER_VALUE_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv::filmcard {

// Nothing when the text does not start with a number. Values beyond 32 bits are clamped.
std::optional<int32_t> LeadingInteger(std::string_view text);

// LeadingInteger, or 0 when there is none.
int32_t IntegerValue(std::string_view text);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_INTEGER_VALUE_H
