// Little-endian byte writing for the test builders of binary files.
#ifndef ORV_TESTS_BUILDERS_LE_BYTES_H
#define ORV_TESTS_BUILDERS_LE_BYTES_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::testing {

inline void PutLe(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
inline void Put16(std::string& out, uint32_t value) { PutLe(out, value, 2); }
inline void Put32(std::string& out, uint32_t value) { PutLe(out, value, 4); }
inline void Put64(std::string& out, uint64_t value) { PutLe(out, value, 8); }

// Overwrites bytes at `offset` (which must be inside `bytes`).
inline void PatchLe(std::string& bytes, size_t offset, uint64_t value, int count) {
  for (int i = 0; i < count; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// UTF-16LE of an ASCII or UTF-8 text (code points below U+10000).
inline std::string Utf16Le(std::string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp = c;
    size_t len = 1;
    if (c >= 0xE0) {
      cp = c & 0x0F, len = 3;
    } else if (c >= 0xC0) {
      cp = c & 0x1F, len = 2;
    }
    for (size_t k = 1; k < len && i + k < utf8.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    Put16(out, cp);
    i += len;
  }
  return out;
}

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_LE_BYTES_H
