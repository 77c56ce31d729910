// Writes a parsed resource script as the C++ source of the module's resource table
// (platform/posix/resource_table.h), ready to compile without warnings.
#ifndef ORV_PLATFORM_POSIX_RCGEN_TABLE_WRITER_H
#define ORV_PLATFORM_POSIX_RCGEN_TABLE_WRITER_H

#include <map>
#include <string>
#include <string_view>

#include "tools/rcgen/rc_script.h"

namespace orv::rcgen {

// `iconData` holds the bytes of each icon's file, by icon id; an icon without an entry is
// written with no data. `scriptName` only goes into the header comment.
std::string WriteResourceTable(const platform::ResourceScript& script,
                               const std::map<int, std::string>& iconData,
                               std::string_view scriptName);

// A C++ string literal, quotes included, that the compiler turns back into exactly `text`
// (every byte outside printable ASCII written as an octal escape).
std::string CppStringLiteral(std::string_view text);

}  // namespace orv::rcgen

#endif  // ORV_PLATFORM_POSIX_RCGEN_TABLE_WRITER_H
