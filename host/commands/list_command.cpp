// orvhost list: the collection's items, all or one category's, as a table or JSON.
#include <cstdio>
#include <memory>

#include "host/collection/collection.h"
#include "host/commands/commands.h"
#include "host/output/item_listing.h"

namespace orv::host {

int RunList(const Command& command) {
  std::string databasePath;
  std::unique_ptr<Collection> collection;
  // Listing only reads: it never creates a collection, nor rewrites a byte of one.
  if (const int status =
          OpenCommandCollection(command, OpenMode::kReadOnly, databasePath, collection);
      status != kExitOk) {
    return status;
  }
  std::vector<StoredItem> items;
  std::string error;
  if (collection && !collection->Items(command.category, items, error)) {
    return Fail(kExitUnavailable, error);
  }
  const std::string text = command.json ? ItemsAsJson(items) : ItemsAsTable(items, OutputWidth());
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

}  // namespace orv::host
