#include "host/output/terminal_text.h"

#include <cstdint>
#include <cstdio>

#include "text/codepage.h"

namespace orv::host {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // …

// The byte length of the character at `at`: a valid sequence, else one byte.
size_t CharacterLength(std::string_view utf8, size_t at) {
  uint32_t ignored = 0;
  const size_t length = text::DecodeUtf8(utf8, at, ignored);
  return length ? length : 1;
}

}  // namespace

std::string Printable(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  char escaped[16];
  for (size_t at = 0; at < utf8.size();) {
    uint32_t cp = 0;
    const size_t length = text::DecodeUtf8(utf8, at, cp);
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (length == 0 || cp < 0x20 || cp == 0x7F) {
      const bool common = length && (cp == '\t' || cp == '\n' || cp == '\r');
      if (common) {
        out += '\\';
        out += cp == '\t' ? 't' : cp == '\n' ? 'n' : 'r';
      } else {
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        out += escaped;
      }
      ++at;
      continue;
    }
    if (cp >= 0x80 && cp <= 0x9F) {
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(cp));
      out += escaped;
    } else {
      out.append(utf8, at, length);
    }
    at += length;
  }
  return out;
}

size_t CharacterCount(std::string_view utf8) {
  size_t count = 0;
  for (size_t at = 0; at < utf8.size(); at += CharacterLength(utf8, at)) ++count;
  return count;
}

std::string CutToWidth(std::string_view printable, size_t width) {
  if (CharacterCount(printable) <= width) return std::string(printable);
  if (width == 0) return std::string();
  // The first width - 1 characters, and whether a blank follows them.
  size_t end = 0, lastBlank = std::string_view::npos;
  for (size_t n = 0; n + 1 < width; ++n) {
    if (printable[end] == ' ') lastBlank = end;
    end += CharacterLength(printable, end);
  }
  size_t cut = printable[end] != ' ' && lastBlank != std::string_view::npos ? lastBlank : end;
  while (cut > 0 && printable[cut - 1] == ' ') --cut;
  if (cut == 0) cut = end;  // only blanks before the word: the word itself is cut
  return std::string(printable.substr(0, cut)) + std::string(kEllipsis);
}

std::string FitColumn(std::string_view printable, size_t width) {
  std::string out = CutToWidth(printable, width);
  const size_t shown = CharacterCount(out);
  if (shown < width) out.append(width - shown, ' ');
  return out;
}

}  // namespace orv::host
