// The Linux stand-in for the shell's type names: the desktop's MIME database by the file name
// alone, else the name made from the extension.
#include <gtest/gtest.h>

#include "platform/shell_type.h"

// GIO keeps its MIME database in caches it never frees: not leaks of ours. (One definition
// serves the whole test program; LeakSanitizer asks for it when it starts.)
extern "C" __attribute__((weak, visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libgio-2.0.so\nleak:libglib-2.0.so\n";
}

namespace orv::platform {
namespace {

TEST(ShellTypeName, KnownTypesByNameAloneAndTheFallbackForOthers) {
  // The file need not exist; a known extension gets the database's description.
  const std::string jpeg = ShellTypeName("/nowhere/photo.JPG");
  EXPECT_FALSE(jpeg.empty());
  EXPECT_NE(jpeg, "Fichier JPG");
  EXPECT_EQ(jpeg, ShellTypeName("/elsewhere/other.jpg"));
  EXPECT_EQ(ShellTypeName("/nowhere/data.qqzx"), "Fichier QQZX");
  EXPECT_EQ(ShellTypeName("/nowhere/noextension"), FallbackTypeName("/nowhere/noextension"));
  EXPECT_EQ(FallbackTypeName("/a.b/name"), "Fichier");
  EXPECT_EQ(ShellTypeName(""), "Fichier");
}

}  // namespace
}  // namespace orv::platform
