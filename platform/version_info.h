// A program's version resource: the fixed part (file version), the translation list and the
// version strings of each translation's string table, as the system's version API gives them.
//
// Windows loads the block with GetFileVersionInfo and queries it with VerQueryValue. Linux
// finds the resource in the PE file itself (platform/posix/formats/pe_resources.h: PE32 and PE32+,
// section table, resource directory) and walks the VS_VERSIONINFO block
// (platform/posix/formats/version_block.h), matching table keys and string names without regard to
// case as VerQueryValue does.
#ifndef ORV_PLATFORM_VERSION_INFO_H
#define ORV_PLATFORM_VERSION_INFO_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

struct VersionTranslation {
  uint16_t language = 0;
  uint16_t codePage = 0;
};

class VersionInfo {
 public:
  // False when the file has no usable version information: no version resource, a fixed part
  // missing or without its signature, or no translation list (which may hold no pair).
  bool Load(const std::string& path);

  // The file version as two words: major << 16 | minor, build << 16 | revision.
  uint32_t FileVersionHigh() const { return fileVersionHigh_; }
  uint32_t FileVersionLow() const { return fileVersionLow_; }
  const std::vector<VersionTranslation>& Translations() const { return translations_; }

  // The string `name` ("CompanyName", ...) of the string table of `translation`, in the user's
  // code page; empty when the resource lacks it.
  std::string String(const VersionTranslation& translation, std::string_view name) const;

 private:
  std::string block_;
  uint32_t fileVersionHigh_ = 0;
  uint32_t fileVersionLow_ = 0;
  std::vector<VersionTranslation> translations_;
};

// The display name of a language id as VerLanguageName gives it, at most 55 characters, in the
// user's code page. Linux names them as a French Windows does ("Français (France)").
std::string LanguageName(uint16_t languageId);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_VERSION_INFO_H
