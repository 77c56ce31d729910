#include "platform/posix/profile/profile_paths.h"

#include <cstdlib>

#include "text/ascii.h"

namespace orv::platform::posix {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// A key name may hold any character but "\": the few that would change the meaning of a file
// path are percent-encoded, so a key can never leave the store.
std::string FileNameOfKey(std::string_view component) {
  std::string name;
  for (size_t i = 0; i < component.size(); ++i) {
    const char c = component[i];
    if (c == '/' || c == '%' || c == '\0' || (c == '.' && i == 0)) {
      static const char kHex[] = "0123456789ABCDEF";
      name += '%';
      name += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
      name += kHex[static_cast<unsigned char>(c) & 0xF];
    } else {
      name += c;
    }
  }
  return name;
}

}  // namespace

std::string ProfileStoreRoot() {
  const std::string own = Variable("ORVHOST_CONFIG_DIR");
  if (!own.empty()) return own;
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  const std::string xdg = Variable("XDG_CONFIG_HOME");
  if (!xdg.empty() && xdg[0] == '/') return xdg + "/orvhost";
  const std::string home = Variable("HOME");
  if (!home.empty()) return home + "/.config/orvhost";
  return std::string();
}

std::string RegistryKeyFile(const std::string& root, std::string_view keyPath) {
  if (root.empty()) return std::string();
  std::string path = root + "/registry";
  bool any = false;
  while (!keyPath.empty()) {
    const size_t slash = keyPath.find('\\');
    const std::string_view component = keyPath.substr(0, slash);
    if (!component.empty()) {
      path += '/';
      path += FileNameOfKey(text::ToLowerAscii(component));
      any = true;
    }
    if (slash == std::string_view::npos) break;
    keyPath.remove_prefix(slash + 1);
  }
  return any ? path + ".reg" : std::string();
}

std::string IniFilePath(const std::string& root, std::string_view iniFile) {
  if (iniFile.empty()) return std::string();
  if (iniFile[0] == '/') return std::string(iniFile);
  if (root.empty()) return std::string();
  return root + "/" + std::string(iniFile);
}

}  // namespace orv::platform::posix
