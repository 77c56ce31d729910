// The collection orvhost keeps items and settings in.
//
// On Linux it is a SQLite database (sqlite_collection.cpp); a build without SQLite may supply a
// different store behind the same interface. Each import is a run the collection records; a link
// item is kept as the link of the item before it. The SQLite store commits added items in
// batches of a few hundred (or every half second), and the rest when the run ends or the
// collection is closed, so a killed import keeps every item of its committed batches and loses
// at most the last one.
#ifndef ORV_HOST_COLLECTION_H
#define ORV_HOST_COLLECTION_H

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/collection/collection_settings.h"
#include "host/collection/stored_item.h"

namespace orv::host {

// One import as the collection records it.
struct RunRecord {
  int64_t id = 0;
  std::string started;  // UTC, "2026-12-08 21:10:03"
  std::string filter;   // the filter as named on the command line
  std::string source;   // the path handed to Open ("" for none)
  int64_t stored = 0;   // items it stored; when read: those still in the collection
  std::string ending;   // how it ended ("" while it runs, or when the process died)
};

class Collection {
 public:
  virtual ~Collection() = default;

  // Keeps `item` (its run, link and order ignored) and gives its order in `id`. False with a
  // reason when the item could not be kept.
  virtual bool StoreItem(const StoredItem& item, int64_t& id, std::string& error) = 0;
  bool AddItem(const StoredItem& item, std::string& error) {
    int64_t id = 0;
    return StoreItem(item, id, error);
  }
  // Items in the order they were stored (order set, links attached); all of them, or those filed
  // under `category` (see CollectionCategory).
  virtual bool Items(std::optional<int> category, std::vector<StoredItem>& items,
                     std::string& error) = 0;
  // An item SameItem as `item`: its order in `id` (0 when there is none) and its link (null when
  // it has none).
  virtual bool FindSame(const StoredItem& item, int64_t& id,
                        std::shared_ptr<const StoredItem>& link, std::string& error) = 0;
  // Keeps `link` as the link of the item `id`.
  virtual bool SetLink(int64_t id, const StoredItem& link, std::string& error) = 0;
  // Removes these items with their links, all or none.
  virtual bool RemoveItems(const std::vector<int64_t>& ids, std::string& error) = 0;

  // Makes every item stored so far durable. False (error set) when the store could not: the
  // items stored since it last could are then gone, and the error says how many.
  virtual bool SaveStoredItems(std::string& error) {
    (void)error;
    return true;
  }

  // Records a run starting now (sets run.id); EndRun records its count and ending.
  virtual bool BeginRun(RunRecord& run, std::string& error) = 0;
  virtual bool EndRun(const RunRecord& run, std::string& error) = 0;
  // Every run still recorded, oldest first, `stored` counting its items still there.
  virtual bool Runs(std::vector<RunRecord>& runs, std::string& error) = 0;
  // Removes the run's items and its record, all or none.
  virtual bool RemoveRun(int64_t run, std::string& error) = 0;

  // The same items handed one at a time to `visit`, which may keep none of them (a store may
  // reuse the object it passes); `visit` returning false stops the walk (still a success).
  // Holds one item at a time where the store can stream them.
  virtual bool VisitItems(std::optional<int> category,
                          const std::function<bool(const StoredItem&)>& visit, std::string& error) {
    std::vector<StoredItem> items;
    if (!Items(category, items, error)) return false;
    for (const StoredItem& item : items) {
      if (!visit(item)) break;
    }
    return true;
  }
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
bool CheckCollectionPath(const std::string& path, OpenMode mode, bool& exists, std::string& error);

// $XDG_DATA_HOME/orvhost/collection.db, else ~/.local/share/orvhost/collection.db.
std::string DefaultCollectionPath();

// The folder a category's pictures go to: the setting, else pictures/<category name> beside the
// database (absolute).
std::string PictureFolder(const CollectionSettings& settings, const std::string& databasePath,
                          int category);

}  // namespace orv::host

#endif  // ORV_HOST_COLLECTION_H
