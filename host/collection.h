// The collection orvhost keeps items and settings in.
//
// On Linux it is a SQLite database (sqlite_collection.cpp); a build without SQLite may supply a
// different store behind the same interface. The SQLite store commits added items in batches of
// a few hundred (or every half second) and the rest when the collection is closed, so a killed
// import keeps every item of its committed batches and loses at most the last one.
#ifndef ORV_HOST_COLLECTION_H
#define ORV_HOST_COLLECTION_H

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/collection_settings.h"
#include "host/stored_item.h"

namespace orv::host {

class Collection {
 public:
  virtual ~Collection() = default;

  // False with a reason when the item could not be kept.
  virtual bool AddItem(const StoredItem& item, std::string& error) = 0;
  // Items in the order they were stored (order set); all of them, or those filed under
  // `category` (see CollectionCategory).
  virtual bool Items(std::optional<int> category, std::vector<StoredItem>& items,
                     std::string& error) = 0;
  // Defaults completed by what the collection stores.
  virtual CollectionSettings Settings() = 0;
  virtual bool SaveSettings(const CollectionSettings& settings, std::string& error) = 0;
};

enum class OpenMode {
  kCreateWhenMissing,  // a missing file is made a new collection (its folder must exist)
  kExistingOnly,
  kReadOnly,  // existing only, and nothing of the file is ever written, its header included
};

// Opens the collection at `path`. A file that exists but is not a collection is refused and left
// untouched. With kExistingOnly and kReadOnly a missing file is refused too; no mode creates a
// folder. Null with a reason on failure.
std::unique_ptr<Collection> OpenCollection(const std::string& path, OpenMode mode,
                                           std::string& error);

// The checks both stores make before opening `path`: it must be a file; a missing one must be in
// a folder that exists, and with kExistingOnly or kReadOnly it must exist. Sets `exists`; on
// failure sets `error` and returns false.
bool CheckCollectionPath(const std::string& path, OpenMode mode, bool& exists,
                         std::string& error);

// $XDG_DATA_HOME/orvhost/collection.db, else ~/.local/share/orvhost/collection.db.
std::string DefaultCollectionPath();

// The folder a category's pictures go to: the setting, else pictures/<category name> beside the
// database (absolute).
std::string PictureFolder(const CollectionSettings& settings, const std::string& databasePath,
                          int category);

}  // namespace orv::host

#endif  // ORV_HOST_COLLECTION_H
