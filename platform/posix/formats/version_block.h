// The VS_VERSIONINFO block of a version resource: a tree of nodes (length, value length, type,
// UTF-16 key, value, children, each aligned on 4 bytes). Every node is bounded by its parent,
// so a length that claims more than its parent holds is cut to it.
#ifndef ORV_PLATFORM_POSIX_VERSION_BLOCK_H
#define ORV_PLATFORM_POSIX_VERSION_BLOCK_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/version_info.h"

namespace orv::platform {

// The fixed part, checked by its signature 0xFEEF04BD, and "\VarFileInfo\Translation" (which
// must be present, but may hold no pair). False when either is missing.
bool DecodeVersionBlock(std::string_view block, uint32_t& fileVersionHigh, uint32_t& fileVersionLow,
                        std::vector<VersionTranslation>& translations);

// The UTF-16LE value of "\StringFileInfo\<table>\<name>" up to its terminator; table keys and
// names match without regard to ASCII case. False when there is no such string.
bool FindVersionString(std::string_view block, std::string_view table, std::string_view name,
                       std::string& utf16);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_VERSION_BLOCK_H
