// Casing and comparison of ASCII letters only: the filters' names, keys and patterns compare
// this way whatever the code page, and bytes beyond ASCII are left as they are.
#ifndef ORV_TEXT_ASCII_H
#define ORV_TEXT_ASCII_H

#include <string>
#include <string_view>

namespace orv::text {

inline char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
// Without the blanks (space, tab, CR, LF, VT, FF) at both ends.
std::string_view TrimAsciiBlanks(std::string_view text);
// Without the spaces (0x20 only) at both ends: fields whose tabs and line ends are data.
inline std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}
// Trimmed, and each run of blanks inside made one space: a text that was laid out on lines.
std::string CollapseAsciiBlanks(std::string_view text);

}  // namespace orv::text

#endif  // ORV_TEXT_ASCII_H
