#include "text/user_case.h"

#include <cstdint>
#include <functional>

#include "platform/codepage.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::text {
namespace {

// Plain letters of U+00C0..U+00FF; 0 where there is none (×, ÷) and two letters for æ and ß.
constexpr const char* kPlain[64] = {
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "y"};

uint32_t LowerLatin1(uint32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 32;
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;
  if (cp == 0x152) return 0x153;  // Œ
  if (cp == 0x178) return 0xFF;   // Ÿ
  return cp;
}

uint32_t UpperLatin1(uint32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 32;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 32;
  if (cp == 0x153) return 0x152;
  if (cp == 0xFF) return 0x178;
  return cp;
}

// Calls `each` with every code point of the text and the bytes it came from.
void ForEachCodePoint(std::string_view text,
                      const std::function<void(uint32_t, std::string_view)>& each) {
  if (!platform::UserCodePageIsUtf8()) {
    for (size_t i = 0; i < text.size(); ++i) {
      each(Windows1252ToCodePoint(static_cast<unsigned char>(text[i])), text.substr(i, 1));
    }
    return;
  }
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : 4;
    if (i + length > text.size() || !IsValidUtf8(text.substr(i, length))) length = 1;
    const std::string_view bytes = text.substr(i, length);
    uint32_t cp = lead;
    if (length > 1) {
      cp = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
      for (size_t k = 1; k < length; ++k) cp = (cp << 6) | (bytes[k] & 0x3F);
    } else if (lead >= 0x80) {
      cp = 0xFFFFFFFF;  // a stray byte: kept as it is
    }
    each(cp, bytes);
    i += length;
  }
}

std::string Mapped(std::string_view text, uint32_t (*map)(uint32_t), bool firstOnly) {
  std::string out;
  out.reserve(text.size());
  bool first = true;
  ForEachCodePoint(text, [&](uint32_t cp, std::string_view bytes) {
    const uint32_t mapped = (firstOnly && !first) || cp == 0xFFFFFFFF ? cp : map(cp);
    first = false;
    if (mapped == cp) {
      out.append(bytes);
    } else {
      out += CodePointToUser(mapped);
    }
  });
  return out;
}

}  // namespace

std::string ToLowerUser(std::string_view text) { return Mapped(text, &LowerLatin1, false); }

std::string UpperFirstUser(std::string_view text) { return Mapped(text, &UpperLatin1, true); }

std::string FoldAccentsLower(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  ForEachCodePoint(text, [&](uint32_t cp, std::string_view bytes) {
    const uint32_t lower = cp == 0xFFFFFFFF ? cp : LowerLatin1(cp);
    if (lower < 0x80) {
      out += static_cast<char>(lower);
    } else if (lower >= 0xC0 && lower <= 0xFF && kPlain[lower - 0xC0]) {
      out += kPlain[lower - 0xC0];
    } else if (lower == 0x153) {
      out += "oe";
    } else {
      out.append(bytes);
    }
  });
  return out;
}

}  // namespace orv::text
