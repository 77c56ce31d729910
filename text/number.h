// The integer value of a text (a card line, a stored option): the decimal integer at its start,
// after any blanks and with an optional sign, as atoi reads it, but without atoi's undefined
// overflow.
#ifndef ORV_TEXT_NUMBER_H
#define ORV_TEXT_NUMBER_H

#include <cstdint>
#include <optional>
#include <string_view>

namespace orv::text {

// Nothing when the text does not start with a number. Values beyond 32 bits are clamped.
std::optional<int32_t> LeadingInteger(std::string_view text);

// A whole text of at most `maxDigits` decimal digits, without sign or blanks (ids, indexes).
std::optional<int> ParseDigits(std::string_view text, size_t maxDigits = 9);

// The hexadecimal number at the start of a text (after blanks), of 1 to 8 digits: an
// identifier. Nothing without a digit, or with more than 8.
std::optional<uint32_t> LeadingHex32(std::string_view text);

// LeadingInteger, or 0 when there is none.
int32_t IntegerValue(std::string_view text);

// The value when a float holds it (an item's price is one), else 0: NaN, infinities and
// numbers past a float's range read as none.
double FloatOrZero(double value);

}  // namespace orv::text

#endif  // ORV_TEXT_NUMBER_H
