// Loading a filter library and finding its entry point (dlopen on Linux, LoadLibrary on
// Windows). Used by orvhost and the tests that drive a built filter.
#ifndef ORV_PLATFORM_LIBRARY_H
#define ORV_PLATFORM_LIBRARY_H

#include <string>

namespace orv::platform {

class Library {
 public:
  Library() = default;
  ~Library();
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  // False with a readable reason in `error` when the file cannot be loaded.
  bool Load(const std::string& path, std::string& error);
  // The address of an exported name, or null.
  void* Symbol(const char* name) const;
  void Unload();

 private:
  void* handle_ = nullptr;
};

// The file name a deliverable has on this platform ("filmcard.so", "filmcard.dll").
std::string LibraryFileName(const std::string& deliverable);

// The full path of the module (filter library or program) this code is linked into; "" when
// unknown. A filter finds the files it keeps beside itself from it.
std::string ThisModulePath();

}  // namespace orv::platform

#endif  // ORV_PLATFORM_LIBRARY_H
