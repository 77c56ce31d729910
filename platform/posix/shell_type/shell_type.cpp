// The shell's type name stands in as the description of the MIME type GIO guesses from the file
// name alone (the file is never opened), in the desktop's language.
#include "platform/shell_type.h"

#include <gio/gio.h>

#include <map>
#include <memory>
#include <string>

#include "text/codepage.h"

namespace orv::platform {
namespace {

struct GFreeText {
  void operator()(gchar* text) const { g_free(text); }
};
using OwnedText = std::unique_ptr<gchar, GFreeText>;

// Descriptions come from the database's files; a scan asks for the same few types again and
// again.
std::map<std::string, std::string>& Descriptions() {
  static std::map<std::string, std::string> descriptions;
  return descriptions;
}

}  // namespace

std::string ShellTypeName(const std::string& path) {
  if (path.empty()) return FallbackTypeName(path);
  gboolean uncertain = FALSE;
  OwnedText type(g_content_type_guess(path.c_str(), nullptr, 0, &uncertain));
  if (!type || g_content_type_is_unknown(type.get())) return FallbackTypeName(path);
  const std::string key(type.get());
  auto known = Descriptions().find(key);
  if (known == Descriptions().end()) {
    OwnedText description(g_content_type_get_description(type.get()));
    std::string name;
    if (description && *description.get()) name = text::Utf8ToUser(description.get());
    known = Descriptions().emplace(key, std::move(name)).first;
  }
  return known->second.empty() ? FallbackTypeName(path) : known->second;
}

}  // namespace orv::platform
