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

const std::vector<platform::ProfileValue>& SiteFile::Section(std::string_view section) const {
  const std::string name = text::ToUpperAscii(section);
  const auto found = sections_.find(name);
  if (found != sections_.end()) return found->second;
  platform::ProfileLocation where;
  where.useIniFile = true;
  where.iniFile = path_;
  where.section = std::string(section);
  std::vector<platform::ProfileValue> values;
  if (!path_.empty()) values = platform::ListProfileValues(where);
  return sections_.emplace(name, std::move(values)).first->second;
}

std::string SiteFile::Value(std::string_view section, std::string_view key,
                            std::string_view fallback) const {
  // The first of the name, as the profile store reads one value.
  for (const platform::ProfileValue& value : Section(section)) {
    if (!text::EqualsIgnoringAsciiCase(value.name, key)) continue;
    const std::string stored = value.isInteger ? std::to_string(value.integer) : value.text;
    return text::Windows1252OrUtf8ToUser(std::string_view(stored).substr(0, kMaxSiteValue));
  }
  return std::string(fallback);
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
