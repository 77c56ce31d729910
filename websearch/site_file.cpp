#include "websearch/site_file.h"

#include <optional>

#include "platform/files.h"
#include "platform/profile.h"
#include "text/ascii.h"
#include "text/codepage.h"
#include "text/number.h"

namespace orv::websearch {
namespace {

// Past this many entries a numbered list is not a list of sites or categories any more.
constexpr int kMaxNumberedKeys = 1000;

}  // namespace

std::string SiteFilePath(std::string_view libraryPath) {
  const size_t name = libraryPath.find_last_of("/\\");
  const size_t dot = libraryPath.rfind('.');
  // Only a dot of the file's own name starts its extension, not one of a folder's.
  const bool hasExtension =
      dot != std::string_view::npos && (name == std::string_view::npos || dot > name);
  return std::string(libraryPath.substr(0, hasExtension ? dot : libraryPath.size())) + ".ini";
}

bool SiteFile::Exists() const { return !path_.empty() && platform::IsRegularFile(path_); }

std::string SiteFile::Value(std::string_view section, std::string_view key,
                            std::string_view fallback) const {
  platform::ProfileLocation where;
  where.useIniFile = true;
  where.iniFile = path_;
  where.section = std::string(section);
  const std::optional<std::string> stored =
      path_.empty() ? std::nullopt : platform::ReadProfileText(where, key);
  if (!stored) return std::string(fallback);
  return text::Windows1252OrUtf8ToUser(std::string_view(*stored).substr(0, kMaxSiteValue));
}

int SiteFile::IntValue(std::string_view section, std::string_view key, int fallback) const {
  const std::string value = Value(section, key, "");
  return text::LeadingInteger(value).value_or(fallback);
}

MarkerPair SiteFile::Markers(std::string_view section, std::string_view name) const {
  const std::string key(name);
  return {Value(section, key + "_Start"), Value(section, key + "_End")};
}

std::vector<std::string> SiteFile::NumberedValues(std::string_view section,
                                                  std::string_view stopAt) const {
  std::vector<std::string> values;
  for (int n = 0; n < kMaxNumberedKeys; ++n) {
    const std::string value = Value(section, std::to_string(n), "");
    if (value.empty() || (!stopAt.empty() && text::EqualsIgnoringAsciiCase(value, stopAt))) break;
    values.push_back(value);
  }
  return values;
}

}  // namespace orv::websearch
