// Small byte helpers for the builders of test files: big- and little-endian numbers.
#ifndef ORV_TESTS_FILESCAN_BYTE_BUILDER_H
#define ORV_TESTS_FILESCAN_BYTE_BUILDER_H

#include <cstdint>
#include <string>

namespace orv::testing {

inline std::string Be16(uint32_t v) {
  return {static_cast<char>((v >> 8) & 0xFF), static_cast<char>(v & 0xFF)};
}
inline std::string Be32(uint32_t v) { return Be16(v >> 16) + Be16(v & 0xFFFF); }
inline std::string Le16(uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
}
inline std::string Le32(uint32_t v) { return Le16(v & 0xFFFF) + Le16(v >> 16); }
inline std::string U16(uint32_t v, bool big) { return big ? Be16(v) : Le16(v); }
inline std::string U32(uint32_t v, bool big) { return big ? Be32(v) : Le32(v); }

}  // namespace orv::testing

#endif  // ORV_TESTS_FILESCAN_BYTE_BUILDER_H
