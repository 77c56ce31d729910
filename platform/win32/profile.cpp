#include "platform/profile.h"

#include "platform/win32/profile_store.h"
#include "text/number.h"

namespace orv::platform {

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
  return text::IntegerValue(value->text);
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

bool DeleteProfileValues(const ProfileLocation& where, const std::vector<std::string>& names) {
  if (where.useIniFile) return win32::DeleteIniValues(where.iniFile, where.section, names);
  return win32::DeleteRegistryValues(where.keyPath, names);
}

std::vector<ProfileValue> ListProfileValues(const ProfileLocation& where) {
  if (where.useIniFile) return win32::ListIniValues(where.iniFile, where.section);
  return win32::ListRegistryValues(where.keyPath);
}

}  // namespace orv::platform
