// The shell's display name for a file's type ("Document texte", "Image JPEG"), from its name
// alone: the file need not exist. Windows asks the shell (SHGetFileInfoA with the type-name
// and use-file-attributes flags); Linux stands in with the desktop's MIME database and, where
// it knows no type, "Fichier XYZ" from the extension (upper-cased), or "Fichier" without one.
#ifndef ORV_PLATFORM_SHELL_TYPE_H
#define ORV_PLATFORM_SHELL_TYPE_H

#include <string>
#include <string_view>

namespace orv::platform {

// In the user's code page.
std::string ShellTypeName(const std::string& path);

// "Fichier XYZ" from the extension of the path's file name, "Fichier" without one: what the
// shell shows for a type nothing is registered for.
std::string FallbackTypeName(std::string_view path);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_SHELL_TYPE_H
