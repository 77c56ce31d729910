// The profile on Linux: registry keys and initialisation files as text files under the store
// root, each rewritten atomically.
#include <optional>

#include "platform/files.h"
#include "platform/posix/atomic_file.h"
#include "platform/posix/profile/ini_text.h"
#include "platform/posix/profile/profile_paths.h"
#include "platform/posix/profile/registry_text.h"
#include "platform/profile.h"
#include "text/ascii.h"
#include "text/number.h"

namespace orv::platform {
namespace {

// A store file larger than this is not a profile; it is left alone rather than read.
constexpr size_t kMaxStoreFile = 4u << 20;

std::string StoreFile(const ProfileLocation& where) {
  const std::string root = posix::ProfileStoreRoot();
  return where.useIniFile ? posix::IniFilePath(root, where.iniFile)
                          : posix::RegistryKeyFile(root, where.keyPath);
}

enum class Loaded { kMissing, kRead, kUnreadable };

Loaded LoadStore(const std::string& file, std::string& text) {
  text.clear();
  if (file.empty()) return Loaded::kUnreadable;
  if (!PathExists(file)) return Loaded::kMissing;
  return ReadWholeFile(file, text, kMaxStoreFile) ? Loaded::kRead : Loaded::kUnreadable;
}

std::vector<ProfileValue> ParseStore(const ProfileLocation& where, std::string_view text) {
  return where.useIniFile ? posix::ReadIniSection(text, where.section)
                          : posix::ParseRegistryText(text);
}

std::optional<ProfileValue> FindValue(const ProfileLocation& where, std::string_view name) {
  std::string text;
  if (LoadStore(StoreFile(where), text) != Loaded::kRead) return std::nullopt;
  for (ProfileValue& value : ParseStore(where, text)) {
    if (text::EqualsIgnoringAsciiCase(value.name, name)) return std::move(value);
  }
  return std::nullopt;
}

}  // namespace

ProfileLocation OptionLocation(const char* profileName, const char* registryKey,
                               std::string_view section) {
  ProfileLocation where;
  const std::string profile = profileName ? profileName : "";
  where.section = std::string(section);
  if (registryKey) {
    where.keyPath =
        "Software\\" + std::string(registryKey) + "\\" + profile + "\\" + std::string(section);
  } else {
    where.useIniFile = true;
    where.iniFile = profile;
  }
  return where;
}

std::optional<int32_t> ReadProfileInt(const ProfileLocation& where, std::string_view name) {
  const std::optional<ProfileValue> value = FindValue(where, name);
  if (!value) return std::nullopt;
  return value->isInteger ? value->integer : text::IntegerValue(value->text);
}

std::optional<std::string> ReadProfileText(const ProfileLocation& where, std::string_view name) {
  const std::optional<ProfileValue> value = FindValue(where, name);
  if (!value) return std::nullopt;
  return value->isInteger ? std::to_string(value->integer) : value->text;
}

bool WriteProfileValues(const ProfileLocation& where, const std::vector<ProfileValue>& values) {
  const std::string file = StoreFile(where);
  std::string text;
  // A store that exists but cannot be read is not replaced: that would lose its other values.
  if (LoadStore(file, text) == Loaded::kUnreadable) return false;
  std::string updated;
  if (where.useIniFile) {
    if (!posix::UpdateIniText(text, where.section, values, updated)) return false;
  } else {
    std::string header = "; " + where.keyPath;
    for (char& c : header) {
      if (c == '\r' || c == '\n') c = ' ';  // the header must stay one comment line
    }
    updated = posix::UpdateRegistryText(text, values, header);
  }
  return posix::WriteFileAtomically(file, updated);
}

bool DeleteProfileValues(const ProfileLocation& where, const std::vector<std::string>& names) {
  const std::string file = StoreFile(where);
  std::string text;
  switch (LoadStore(file, text)) {
    case Loaded::kMissing:
      return true;
    case Loaded::kUnreadable:
      return false;
    case Loaded::kRead:
      break;
  }
  const std::string updated = where.useIniFile ? posix::RemoveIniKeys(text, where.section, names)
                                               : posix::RemoveRegistryValues(text, names);
  return updated == text || posix::WriteFileAtomically(file, updated);
}

std::vector<ProfileValue> ListProfileValues(const ProfileLocation& where) {
  std::string text;
  if (LoadStore(StoreFile(where), text) != Loaded::kRead) return {};
  return ParseStore(where, text);
}

}  // namespace orv::platform
