// Finds the version resource of a PE file (PE32 or PE32+): the headers, the section table that
// maps addresses to file offsets, and the three levels of the resource directory (type 16,
// name 1, the first language). Only those headers, directories and the block are read.
#ifndef ORV_PLATFORM_POSIX_PE_RESOURCES_H
#define ORV_PLATFORM_POSIX_PE_RESOURCES_H

#include <string>

#include "text/byte_source.h"

namespace orv::platform {

// The VS_VERSIONINFO block; false when the file is no PE image or has no version resource.
bool FindVersionResource(text::ByteSource& source, std::string& block);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_PE_RESOURCES_H
