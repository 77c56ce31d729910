// What an import hands the collection: each produced item stored in the run unless an item equal
// in every field is already there, and each link item kept as the link of the item before it.
#ifndef ORV_HOST_IMPORT_STORE_H
#define ORV_HOST_IMPORT_STORE_H

#include <cstdint>
#include <memory>
#include <string>

#include "host/collection/collection.h"

namespace orv::host {

class ImportStore {
 public:
  ImportStore(Collection& collection, int64_t run, bool keepDuplicates)
      : collection_(collection), run_(run), keepDuplicates_(keepDuplicates) {}

  // The run's item sink: false with `error` when the collection could not keep it.
  bool Take(const StoredItem& item, std::string& error);

  int64_t stored() const { return stored_; }            // items stored, links not counted
  int64_t alreadyThere() const { return alreadyThere_; }  // items found in the collection
  int64_t links() const { return links_; }               // links kept with their item

 private:
  Collection& collection_;
  const int64_t run_;
  const bool keepDuplicates_;
  int64_t stored_ = 0, alreadyThere_ = 0, links_ = 0;
  // The item taken last (stored or found), which a link item that follows belongs to.
  int64_t last_ = 0;
  bool lastTakesLink_ = false, lastFound_ = false;
  std::shared_ptr<const StoredItem> lastLink_;
};

}  // namespace orv::host

#endif  // ORV_HOST_IMPORT_STORE_H
