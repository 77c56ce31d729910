// The two Windows homes of a profile location: a registry key under HKEY_CURRENT_USER and a
// section of an initialisation file. profile.cpp picks one by the location's kind.
#ifndef ORV_PLATFORM_WIN32_PROFILE_STORE_H
#define ORV_PLATFORM_WIN32_PROFILE_STORE_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile.h"

namespace orv::platform::win32 {

// Each reads the stored value as it is kept: integer or text.
std::optional<ProfileValue> ReadRegistryValue(const std::string& keyPath, std::string_view name);
bool WriteRegistryValues(const std::string& keyPath, const std::vector<ProfileValue>& values);
bool DeleteRegistryValues(const std::string& keyPath, const std::vector<std::string>& names);
std::vector<ProfileValue> ListRegistryValues(const std::string& keyPath);

std::optional<ProfileValue> ReadIniValue(const std::string& file, const std::string& section,
                                         std::string_view name);
bool WriteIniValues(const std::string& file, const std::string& section,
                    const std::vector<ProfileValue>& values);
bool DeleteIniValues(const std::string& file, const std::string& section,
                     const std::vector<std::string>& names);
std::vector<ProfileValue> ListIniValues(const std::string& file, const std::string& section);

}  // namespace orv::platform::win32

#endif  // ORV_PLATFORM_WIN32_PROFILE_STORE_H
