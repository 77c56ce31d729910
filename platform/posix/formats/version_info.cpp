#include "platform/version_info.h"

#include <cstdio>

#include "platform/file_source.h"
#include "platform/posix/formats/pe_resources.h"
#include "platform/posix/formats/version_block.h"
#include "text/codepage.h"

namespace orv::platform {

bool VersionInfo::Load(const std::string& path) {
  *this = VersionInfo();
  FileSource file;
  if (!file.Open(path) || !FindVersionResource(file, block_) ||
      !DecodeVersionBlock(block_, fileVersionHigh_, fileVersionLow_, translations_)) {
    *this = VersionInfo();
    return false;
  }
  return true;
}

std::string VersionInfo::String(const VersionTranslation& translation,
                                std::string_view name) const {
  char table[9];
  std::snprintf(table, sizeof table, "%04X%04X", translation.language, translation.codePage);
  std::string utf16;
  if (!FindVersionString(block_, table, name, utf16)) return std::string();
  return text::Utf16LeToUser(utf16);
}

}  // namespace orv::platform
