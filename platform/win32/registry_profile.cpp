// Profile values in the registry: REG_DWORD integers and REG_SZ texts under HKEY_CURRENT_USER.
#include <windows.h>

#include <climits>

#include "platform/win32/profile_store.h"

namespace orv::platform::win32 {

namespace {

// Options are short; a value beyond this is not one of ours and is not read.
constexpr DWORD kMaxValueBytes = 1 << 20;
constexpr DWORD kMaxValues = 100000;

class Key {
 public:
  Key(const std::string& path, bool create) {
    // An empty path would name HKEY_CURRENT_USER itself.
    if (path.empty()) return;
    if (create) {
      if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
      }
    } else if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key_) !=
               ERROR_SUCCESS) {
      key_ = nullptr;
    }
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;

  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// A stored value as a profile value; nothing for kinds options are never kept as.
std::optional<ProfileValue> Decode(std::string name, DWORD type, const std::string& data) {
  ProfileValue value;
  value.name = std::move(name);
  if (type == REG_DWORD) {
    if (data.size() < 4) return std::nullopt;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(data[i]);
    value.isInteger = true;
    value.integer = static_cast<int32_t>(bits);
    return value;
  }
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    const size_t end = data.find('\0');
    value.text = data.substr(0, end);
    return value;
  }
  return std::nullopt;
}

}  // namespace

std::optional<ProfileValue> ReadRegistryValue(const std::string& keyPath, std::string_view name) {
  Key key(keyPath, false);
  if (!key.get()) return std::nullopt;
  const std::string valueName(name);
  // The value may change between the size query and the read: retry a few times.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        size > kMaxValueBytes) {
      return std::nullopt;
    }
    std::string data(size, '\0');
    const LONG status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data.data()), &size);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    data.resize(size < data.size() ? size : data.size());
    return Decode(valueName, type, data);
  }
  return std::nullopt;
}

bool WriteRegistryValues(const std::string& keyPath, const std::vector<ProfileValue>& values) {
  Key key(keyPath, true);
  if (!key.get()) return false;
  bool ok = true;
  for (const ProfileValue& value : values) {
    LONG status;
    if (value.isInteger) {
      const DWORD bits = static_cast<DWORD>(value.integer);
      status = RegSetValueExA(key.get(), value.name.c_str(), 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&bits), sizeof bits);
    } else {
      const std::string text = value.text.substr(0, value.text.find('\0'));
      if (text.size() >= kMaxValueBytes) {
        ok = false;
        continue;
      }
      status = RegSetValueExA(key.get(), value.name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1));
    }
    if (status != ERROR_SUCCESS) ok = false;
  }
  return ok;
}

bool DeleteRegistryValues(const std::string& keyPath, const std::vector<std::string>& names) {
  if (keyPath.empty()) return false;
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_SET_VALUE, &key);
  // A key that does not exist holds none of the values.
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  bool ok = true;
  for (const std::string& name : names) {
    const LONG status = RegDeleteValueA(key, name.c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) ok = false;
  }
  RegCloseKey(key);
  return ok;
}

std::vector<ProfileValue> ListRegistryValues(const std::string& keyPath) {
  std::vector<ProfileValue> values;
  Key key(keyPath, false);
  if (!key.get()) return values;
  for (DWORD index = 0; index < kMaxValues; ++index) {
    char name[16384];  // the registry's own limit on value names
    DWORD nameSize = sizeof name;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegEnumValueA(key.get(), index, name, &nameSize, nullptr, &type, nullptr, &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || size > kMaxValueBytes) continue;
    std::string data(size, '\0');
    nameSize = sizeof name;
    status = RegEnumValueA(key.get(), index, name, &nameSize, nullptr, &type,
                           reinterpret_cast<BYTE*>(data.data()), &size);
    if (status != ERROR_SUCCESS) continue;
    data.resize(size < data.size() ? size : data.size());
    if (std::optional<ProfileValue> value = Decode(std::string(name, nameSize), type, data)) {
      values.push_back(std::move(*value));
    }
  }
  return values;
}

}  // namespace orv::platform::win32
