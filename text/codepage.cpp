#include "text/codepage.h"

#include "platform/codepage.h"

namespace orv::text {
namespace {

// windows-1252 bytes 0x80..0x9F; zero marks the bytes Windows maps to the C1 control itself.
constexpr uint16_t kHigh1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int CodePointTo1252(uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (int i = 0; i < 32; ++i) {
    const uint32_t mapped = kHigh1252[i] ? kHigh1252[i] : 0x80u + i;
    if (mapped == cp) return 0x80 + i;
  }
  return -1;
}

}  // namespace

size_t DecodeUtf8(std::string_view s, size_t pos, uint32_t& cp) {
  if (pos >= s.size()) return 0;
  const auto b = [&](size_t i) { return static_cast<unsigned char>(s[pos + i]); };
  const size_t left = s.size() - pos;
  const unsigned char lead = b(0);
  if (lead < 0x80) {
    cp = lead;
    return 1;
  }
  size_t len;
  uint32_t min;
  if ((lead & 0xE0) == 0xC0) {
    len = 2, cp = lead & 0x1F, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    len = 3, cp = lead & 0x0F, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    len = 4, cp = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (left < len) return 0;
  for (size_t i = 1; i < len; ++i) {
    if ((b(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

bool IsValidUtf8(std::string_view bytes) {
  uint32_t cp;
  for (size_t pos = 0; pos < bytes.size();) {
    const size_t len = DecodeUtf8(bytes, pos, cp);
    if (!len) return false;
    pos += len;
  }
  return true;
}

uint32_t Windows1252ToCodePoint(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const uint16_t mapped = kHigh1252[byte - 0x80];
  return mapped ? mapped : byte;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) AppendUtf8(out, Windows1252ToCodePoint(c));
  return out;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) AppendUtf8(out, c);
  return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  const size_t units = bytes.size() / 2;
  const auto unit = [&](size_t i) {
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[2 * i])) |
           (static_cast<uint32_t>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8);
  };
  for (size_t i = 0; i < units; ++i) {
    uint32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
        unit(i + 1) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, char fallback) {
  std::string out;
  out.reserve(utf8.size());
  uint32_t cp;
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t len = DecodeUtf8(utf8, pos, cp);
    if (!len) {
      out += utf8[pos++];
      continue;
    }
    const int byte = CodePointTo1252(cp);
    out += byte < 0 ? fallback : static_cast<char>(byte);
    pos += len;
  }
  return out;
}

std::string CodePointToUser(uint32_t codePoint) {
  std::string utf8;
  AppendUtf8(utf8, codePoint);
  return Utf8ToUser(utf8);
}

std::string Utf8ToUser(std::string_view utf8) {
  if (platform::UserCodePageIsUtf8()) return std::string(utf8);
  return Utf8ToWindows1252(utf8);
}

std::string Windows1252ToUser(std::string_view bytes) {
  if (platform::UserCodePageIsUtf8()) return Windows1252ToUtf8(bytes);
  return std::string(bytes);
}

std::string Latin1ToUser(std::string_view bytes) {
  if (platform::UserCodePageIsUtf8()) return Latin1ToUtf8(bytes);
  // Latin-1 differs from windows-1252 only in 0x80..0x9F, which are C1 controls in both readings.
  return std::string(bytes);
}

std::string Utf16LeToUser(std::string_view bytes) { return Utf8ToUser(Utf16LeToUtf8(bytes)); }

std::string UserToUtf8(std::string_view user) {
  if (platform::UserCodePageIsUtf8() && IsValidUtf8(user)) return std::string(user);
  return Windows1252ToUtf8(user);
}

std::string Windows1252OrUtf8ToUser(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return Utf8ToUser(bytes);
  return Windows1252ToUser(bytes);
}

}  // namespace orv::text
