// The collection of a build without SQLite is the text-file store.
#include "host/collection/file_collection.h"

namespace orv::host {

std::unique_ptr<Collection> OpenCollection(const std::string& path, OpenMode mode,
                                           std::string& error) {
  return OpenFileCollection(path, mode, error);
}

}  // namespace orv::host
