// The filter's own resources: string table and icon.
//
// On Windows they are loaded from the module (the DLL) the calling code lives in. On Linux the
// build generates tables from the same UTF-8 resource script, linked into the module.
// Strings come back in the user's code page.
#ifndef ORV_PLATFORM_RESOURCES_H
#define ORV_PLATFORM_RESOURCES_H

#include <string>

namespace orv::platform {

// The string of that id, or "" when the table has none.
std::string LoadResourceString(int id);
bool HasResourceString(int id);

// An icon handle for icon group `id` (never freed: it lives as long as the module), or null.
void* LoadResourceIcon(int id);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_RESOURCES_H
