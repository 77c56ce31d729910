#include "websearch/value_rules.h"

#include <cstdio>

#include "contract/list_piece.h"
#include "text/ascii.h"
#include "text/number.h"
#include "text/user_case.h"

namespace orv::websearch {

std::string RunningTime(std::string_view value) {
  std::string text(value);
  for (char& c : text) {
    if (c == 'h' || c == 'H') c = ':';
  }
  long long hours = 0, minutes = 0;
  const size_t colon = text.find(':');
  if (colon == std::string::npos) {
    const long long n = text::IntegerValue(text);
    const std::string lower = text::ToLowerAscii(text);
    const bool saysMinutes =
        lower.find("min") != std::string::npos || lower.find("mn") != std::string::npos;
    if (saysMinutes || n >= 30) {
      minutes = n;
    } else {
      hours = n;
    }
  } else {
    hours = text::IntegerValue(std::string_view(text).substr(0, colon));
    minutes = text::IntegerValue(std::string_view(text).substr(colon + 1));
  }
  if (hours < 0) hours = 0;
  if (minutes < 0) minutes = 0;
  const long long total = hours * 60 + minutes;
  char out[16];
  std::snprintf(out, sizeof out, "%02d:%02d:00", static_cast<int>((total / 60) % 24),
                static_cast<int>(total % 60));
  return out;
}

int Rating(std::string_view value) {
  const int n = text::IntegerValue(value);
  if (n <= 5) return n;
  if (n <= 10) return 5;
  return n / 2;
}

double PriceValue(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  size_t end = at;
  while (end < text.size() &&
         ((text[end] >= '0' && text[end] <= '9') || text[end] == '.' || text[end] == ',')) {
    ++end;
  }
  const std::string_view number = text.substr(at, end - at);
  const size_t lastDot = number.rfind('.'), lastComma = number.rfind(',');
  char decimal = 0;
  if (lastDot != std::string_view::npos && lastComma != std::string_view::npos) {
    decimal = lastDot > lastComma ? '.' : ',';
  } else if (lastDot != std::string_view::npos || lastComma != std::string_view::npos) {
    const char separator = lastDot != std::string_view::npos ? '.' : ',';
    size_t count = 0;
    for (char c : number) count += c == separator;
    if (count == 1) decimal = separator;
  }
  // Digits as a whole number and a count of decimals, divided once: 12,50 is exactly 12.5.
  // Decimals past the fifteenth change nothing a double holds; counting them all would let a
  // long run of digits take both numbers to infinity and the price to NaN.
  constexpr int kDecimalsKept = 15;
  double whole = 0, divisor = 1;
  int decimals = 0;
  bool inDecimals = false;
  for (char c : number) {
    if (c >= '0' && c <= '9') {
      if (inDecimals) {
        if (decimals == kDecimalsKept) break;
        ++decimals;
        divisor *= 10;
      }
      whole = whole * 10 + (c - '0');
    } else if (c == decimal) {
      if (inDecimals) break;  // a second decimal point ends the number
      inDecimals = true;
    }
  }
  // The host keeps prices as floats: a number past their range is no price at all.
  return text::FloatOrZero(whole / divisor);
}

std::optional<int> LastKeywordMatch(std::string_view value, std::string_view keywords) {
  const std::string folded = text::FoldAccentsLower(value);
  std::optional<int> code;
  WalkList(keywords, "|", EmptyPiece::kDefaultText, [&](int index, const std::string& piece) {
    if (folded.find(text::FoldAccentsLower(piece)) != std::string::npos) code = index - 1;
    return true;
  });
  return code;
}

std::optional<int> ScreenCode(std::string_view value, std::string_view fullScreenKeywords,
                              std::string_view wideKeywords) {
  std::string text(value);
  for (char& c : text) {
    if (c == ',') c = ':';
  }
  std::optional<int> code;
  if (LastKeywordMatch(text, fullScreenKeywords)) code = 3;
  if (const std::optional<int> wide = LastKeywordMatch(text, wideKeywords)) code = wide;
  return code;
}

}  // namespace orv::websearch
