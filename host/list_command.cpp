// orvhost list: the collection's items, all or one category's, as a table or JSON.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "host/collection.h"
#include "host/commands.h"
#include "host/item_listing.h"

namespace orv::host {

int RunList(const Command& command) {
  const std::string databasePath = CollectionPathOf(command);
  std::vector<StoredItem> items;
  std::error_code ignored;
  // Listing never creates a collection: a missing one has no items.
  if (std::filesystem::exists(std::filesystem::u8path(databasePath), ignored)) {
    std::string error;
    std::unique_ptr<Collection> collection =
        OpenCollection(databasePath, OpenMode::kExistingOnly, error);
    if (!collection) return Fail(kExitUnavailable, error);
    if (!collection->Items(command.category, items, error)) return Fail(kExitUnavailable, error);
  }
  const std::string text = command.json ? ItemsAsJson(items) : ItemsAsTable(items);
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

}  // namespace orv::host
