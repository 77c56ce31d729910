// A filter library loaded by orvhost: found by deliverable name or path, its entry point called,
// its operation table kept.
#ifndef ORV_HOST_FILTER_LIBRARY_H
#define ORV_HOST_FILTER_LIBRARY_H

#include <string>
#include <vector>

#include "contract/abi.h"
#include "platform/library.h"

namespace orv::host {

// The library file FILTER names: a path (it holds a separator, or names an existing file) or a
// deliverable name looked up in `searchFolders` in order. "" when there is no such file.
std::string FindFilterFile(const std::string& filter,
                           const std::vector<std::string>& searchFolders);

// Where deliverables are looked up: beside orvhost, then the install tree's filter folder
// (lib/orvhost/filters beside orvhost's bin/), so an unpacked tree works wherever it lies.
std::vector<std::string> FilterSearchFolders();

// The deliverable's name, which is also its profile section: the library file's stem.
std::string FilterNameOfFile(const std::string& path);

class FilterLibrary {
 public:
  // Finds and loads the library, calls GetFunctionInfo and checks that every operation is there.
  // False with one readable line in `error`.
  bool Load(const std::string& filter, std::string& error);

  const FilterFunctions& functions() const { return functions_; }
  const std::string& path() const { return path_; }
  const std::string& name() const { return name_; }
  // Another export of the library (null when it has none).
  void* Symbol(const char* exported) const { return library_.Symbol(exported); }

 private:
  platform::Library library_;
  FilterFunctions functions_{};
  std::string path_;
  std::string name_;
};

}  // namespace orv::host

#endif  // ORV_HOST_FILTER_LIBRARY_H
