// A collection kept in one plain text file, for builds without SQLite (the Windows cross build).
//
// The file starts with a marker line; each item, link, setting, removal and run mark is one
// appended line, so an item is kept as soon as AddItem returns and an interrupted import keeps
// what was stored; files of earlier versions read as they are. A
// line cut short by a crash is ignored when the file is read and replaced by the next append.
// Texts are UTF-8 with backslash, tab and line breaks escaped.
#ifndef ORV_HOST_FILE_COLLECTION_H
#define ORV_HOST_FILE_COLLECTION_H

#include <memory>
#include <string>

#include "host/collection/collection.h"

namespace orv::host {

std::unique_ptr<Collection> OpenFileCollection(const std::string& path, OpenMode mode,
                                               std::string& error);

}  // namespace orv::host

#endif  // ORV_HOST_FILE_COLLECTION_H
