// The content reader for a program or library: its version resource (platform/version_info.h)
// gives the title with the file version, the company, the product and legal texts, the
// original file name and the language.
#ifndef ORV_FILESCAN_PROGRAM_READER_H
#define ORV_FILESCAN_PROGRAM_READER_H

#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadProgram(const std::string& path, const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_PROGRAM_READER_H
