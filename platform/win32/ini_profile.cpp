// Profile values in an initialisation file, through the private-profile functions. Everything
// is text there; integers are written in decimal.
#include <windows.h>

#include "platform/win32/profile_store.h"
#include "text/ascii.h"

namespace orv::platform::win32 {

namespace {

constexpr DWORD kMaxProfileTextBytes = 1 << 20;

// GetPrivateProfileString fills at most size - 1 characters (size - 2 for lists of names) and
// says nothing else about truncation: grow the buffer until the answer fits.
std::string ReadString(const char* section, const char* name, const std::string& file,
                       DWORD reserve) {
  for (DWORD size = 1024; size <= kMaxProfileTextBytes; size *= 4) {
    std::string buffer(size, '\0');
    const DWORD n = GetPrivateProfileStringA(section, name, "", buffer.data(), size, file.c_str());
    if (n + reserve < size) {
      buffer.resize(n);
      return buffer;
    }
  }
  return std::string();
}

std::vector<std::string> KeyNames(const std::string& file, const std::string& section) {
  const std::string list = ReadString(section.c_str(), nullptr, file, 2);
  std::vector<std::string> names;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find('\0', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) names.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

}  // namespace

std::optional<ProfileValue> ReadIniValue(const std::string& file, const std::string& section,
                                         std::string_view name) {
  if (file.empty()) return std::nullopt;
  // An absent entry and an empty one read alike through the API: look for the name first.
  for (const std::string& stored : KeyNames(file, section)) {
    if (!text::EqualsIgnoringAsciiCase(stored, name)) continue;
    ProfileValue value;
    value.name = stored;
    value.text = ReadString(section.c_str(), stored.c_str(), file, 1);
    return value;
  }
  return std::nullopt;
}

bool WriteIniValues(const std::string& file, const std::string& section,
                    const std::vector<ProfileValue>& values) {
  if (file.empty()) return false;
  bool ok = true;
  for (const ProfileValue& value : values) {
    const std::string text = value.isInteger ? std::to_string(value.integer) : value.text;
    // A line break would start a new entry of the file.
    if (text.find_first_of("\r\n") != std::string::npos || value.name.empty()) {
      ok = false;
      continue;
    }
    if (!WritePrivateProfileStringA(section.c_str(), value.name.c_str(), text.c_str(),
                                    file.c_str())) {
      ok = false;
    }
  }
  return ok;
}

bool DeleteIniValues(const std::string& file, const std::string& section,
                     const std::vector<std::string>& names) {
  if (file.empty()) return false;
  bool ok = true;
  for (const std::string& name : names) {
    // A null value removes the entry; an entry that is not there is no failure.
    if (!ReadIniValue(file, section, name)) continue;
    if (!WritePrivateProfileStringA(section.c_str(), name.c_str(), nullptr, file.c_str())) {
      ok = false;
    }
  }
  return ok;
}

std::vector<ProfileValue> ListIniValues(const std::string& file, const std::string& section) {
  std::vector<ProfileValue> values;
  if (file.empty()) return values;
  for (const std::string& name : KeyNames(file, section)) {
    ProfileValue value;
    value.name = name;
    value.text = ReadString(section.c_str(), name.c_str(), file, 1);
    values.push_back(std::move(value));
  }
  return values;
}

}  // namespace orv::platform::win32
