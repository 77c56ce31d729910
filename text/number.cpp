#include "text/number.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "text/ascii.h"

namespace orv::text {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::optional<int32_t> LeadingInteger(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at >= text.size() || !IsAsciiDigit(text[at])) return std::nullopt;
  // Accumulate in 64 bits and stop growing once past the 32-bit range, so any run of digits
  // is safe.
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (; at < text.size() && IsAsciiDigit(text[at]); ++at) {
    if (value <= kLimit) value = value * 10 + (text[at] - '0');
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

std::optional<int> ParseDigits(std::string_view text, size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits || maxDigits > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsAsciiDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<uint32_t> LeadingHex32(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  uint32_t value = 0;
  size_t digits = 0;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    uint32_t digit;
    if (IsAsciiDigit(c)) {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else {
      break;
    }
    if (++digits > 8) return std::nullopt;
    value = value * 16 + digit;
  }
  if (digits == 0) return std::nullopt;
  return value;
}

int32_t IntegerValue(std::string_view text) { return LeadingInteger(text).value_or(0); }

double FloatOrZero(double value) {
  return std::isfinite(value) && std::fabs(value) <= FLT_MAX ? value : 0;
}

}  // namespace orv::text
