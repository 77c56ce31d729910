#include "host/collection/import_store.h"

#include "contract/abi.h"

namespace orv::host {

bool ImportStore::Take(const StoredItem& item, std::string& error) {
  if (item.itemKind == ORV_KIND_LINK && last_ != 0 && lastTakesLink_) {
    if (!lastLink_) {
      if (!collection_.SetLink(last_, item, error)) return false;
      lastLink_ = std::make_shared<const StoredItem>(item);
      ++links_;
      return true;
    }
    // The item was found with this very link: nothing new. Any other link stays an item of its
    // own below, so that nothing is lost.
    if (lastFound_ && SameItem(*lastLink_, item)) return true;
  }
  if (!keepDuplicates_) {
    int64_t same = 0;
    std::shared_ptr<const StoredItem> link;
    if (!collection_.FindSame(item, same, link, error)) return false;
    if (same != 0) {
      ++alreadyThere_;
      last_ = same;
      lastTakesLink_ = TakesLink(item.itemKind);
      lastFound_ = true;
      lastLink_ = std::move(link);
      return true;
    }
  }
  StoredItem stored = item;
  stored.run = run_;
  int64_t id = 0;
  if (!collection_.StoreItem(stored, id, error)) return false;
  ++stored_;
  last_ = id;
  lastTakesLink_ = TakesLink(item.itemKind);
  lastFound_ = false;
  lastLink_.reset();
  return true;
}

}  // namespace orv::host
