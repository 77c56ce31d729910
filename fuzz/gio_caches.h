// For targets whose reader names file types (platform/shell_type.h): GIO keeps its MIME
// database in caches it never frees, which are no leaks of ours. LeakSanitizer asks for these
// suppressions when it starts; include this header in one file of the target.
#ifndef ORV_FUZZ_GIO_CACHES_H
#define ORV_FUZZ_GIO_CACHES_H

extern "C" __attribute__((weak, visibility("default"))) const char* __lsan_default_suppressions() {
  return "leak:libgio-2.0.so\nleak:libglib-2.0.so\n";
}

#endif  // ORV_FUZZ_GIO_CACHES_H
