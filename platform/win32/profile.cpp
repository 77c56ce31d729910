#include "platform/profile.h"

#include <climits>

#include "platform/win32/profile_store.h"

namespace orv::platform {

namespace win32 {

int32_t LeadingInteger(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    // Saturates instead of overflowing; the result is clamped below.
    if (value <= INT64_C(1) << 40) value = value * 10 + (text[at] - '0');
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace win32

namespace {

std::optional<ProfileValue> ReadValue(const ProfileLocation& where, std::string_view name) {
  if (where.useIniFile) return win32::ReadIniValue(where.iniFile, where.section, name);
  return win32::ReadRegistryValue(where.keyPath, name);
}

}  // namespace

ProfileLocation OptionLocation(const char* profileName, const char* registryKey,
                               std::string_view section) {
  ProfileLocation where;
  where.section = std::string(section);
  const std::string profile = profileName ? profileName : "";
  if (!registryKey) {
    where.useIniFile = true;
    where.iniFile = profile;
    return where;
  }
  where.keyPath = "Software\\" + std::string(registryKey) + "\\" + profile + "\\" + where.section;
  return where;
}

std::optional<int32_t> ReadProfileInt(const ProfileLocation& where, std::string_view name) {
  const std::optional<ProfileValue> value = ReadValue(where, name);
  if (!value) return std::nullopt;
  if (value->isInteger) return value->integer;
  return win32::LeadingInteger(value->text);
}

std::optional<std::string> ReadProfileText(const ProfileLocation& where, std::string_view name) {
  const std::optional<ProfileValue> value = ReadValue(where, name);
  if (!value) return std::nullopt;
  if (value->isInteger) return std::to_string(value->integer);
  return value->text;
}

bool WriteProfileValues(const ProfileLocation& where, const std::vector<ProfileValue>& values) {
  if (where.useIniFile) return win32::WriteIniValues(where.iniFile, where.section, values);
  return win32::WriteRegistryValues(where.keyPath, values);
}

std::vector<ProfileValue> ListProfileValues(const ProfileLocation& where) {
  if (where.useIniFile) return win32::ListIniValues(where.iniFile, where.section);
  return win32::ListRegistryValues(where.keyPath);
}

}  // namespace orv::platform
