// Text made safe and fitted for the terminal: what orvhost prints of items, options and filter
// descriptions comes from files, servers and web pages, and must never drive the terminal.
#ifndef ORV_HOST_TERMINAL_TEXT_H
#define ORV_HOST_TERMINAL_TEXT_H

#include <string>
#include <string_view>

namespace orv::host {

// UTF-8 text with every control character escaped: \t \n \r, \xNN for the other C0 controls,
// DEL and bytes that are no valid UTF-8, \uNNNN for the C1 controls (U+0080 to U+009F). Every
// other character is kept.
std::string Printable(std::string_view utf8);

// The number of characters (code points; an invalid byte counts as one) of UTF-8 text.
size_t CharacterCount(std::string_view utf8);

// Printable text of at most `width` characters: a longer one is cut at its last word boundary
// that leaves room for "…" (in the middle of a word only when it is one word), then "…" added.
std::string CutToWidth(std::string_view printable, size_t width);

// CutToWidth, padded with blanks to exactly `width` characters.
std::string FitColumn(std::string_view printable, size_t width);

}  // namespace orv::host

#endif  // ORV_HOST_TERMINAL_TEXT_H
