// Builds property set streams for tests: the summary information section with a code page
// (property 1) and string properties, as office programs write them.
#ifndef ORV_TESTS_BUILDERS_PROPERTY_SET_BUILDER_H
#define ORV_TESTS_BUILDERS_PROPERTY_SET_BUILDER_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/builders/le_bytes.h"

namespace orv::testing {

constexpr uint32_t kVtI2 = 2;
constexpr uint32_t kVtI4 = 3;
constexpr uint32_t kVtLpstr = 0x1E;
constexpr uint32_t kVtLpwstr = 0x1F;

// {F29F85E0-4FF9-1068-AB91-08002B27B3D9} as stored.
inline std::string SummaryFormatId() {
  return std::string("\xE0\x85\x9F\xF2\xF9\x4F\x68\x10\xAB\x91\x08\x00\x2B\x27\xB3\xD9", 16);
}

struct PropertySpec {
  uint32_t id;
  std::string value;  // the typed value's bytes after its type word (use the helpers below)
  uint32_t type = kVtLpstr;
};

// An 8-bit string value: byte count with the terminator, the bytes, padding to 4.
inline std::string LpstrValue(const std::string& bytes) {
  std::string v;
  Put32(v, static_cast<uint32_t>(bytes.size() + 1));
  v += bytes;
  v += '\0';
  while (v.size() % 4) v += '\0';
  return v;
}

// A string stored as UTF-16 (code page 1200 sets write their 8-bit strings so): the count is
// in bytes, terminator included.
inline std::string Utf16LpstrValue(const std::string& utf8) {
  const std::string wide = Utf16Le(utf8) + std::string(2, '\0');
  std::string v;
  Put32(v, static_cast<uint32_t>(wide.size()));
  v += wide;
  while (v.size() % 4) v += '\0';
  return v;
}

inline std::string I2Value(uint16_t value) {
  std::string v;
  Put16(v, value), Put16(v, 0);
  return v;
}

inline PropertySpec CodePageProperty(uint16_t codePage) { return {1, I2Value(codePage), kVtI2}; }
inline PropertySpec StringProperty(uint32_t id, const std::string& bytes) {
  return {id, LpstrValue(bytes)};
}

inline std::string BuildPropertySection(const std::vector<PropertySpec>& properties) {
  const uint32_t tableBytes = 8 + 8 * static_cast<uint32_t>(properties.size());
  std::string table, values;
  for (const PropertySpec& p : properties) {
    Put32(table, p.id);
    Put32(table, tableBytes + static_cast<uint32_t>(values.size()));
    Put32(values, p.type);
    values += p.value;
  }
  std::string section;
  Put32(section, tableBytes + static_cast<uint32_t>(values.size()));
  Put32(section, static_cast<uint32_t>(properties.size()));
  return section + table + values;
}

inline std::string BuildPropertySet(const std::vector<PropertySpec>& properties,
                                    const std::string& formatId = SummaryFormatId()) {
  std::string out;
  Put16(out, 0xFFFE), Put16(out, 0), Put32(out, 0x00020005);  // byte order, version, system
  out += std::string(16, '\0');                               // class id
  Put32(out, 1);
  out += formatId;
  Put32(out, 48);
  return out + BuildPropertySection(properties);
}

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_PROPERTY_SET_BUILDER_H
