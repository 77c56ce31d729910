// orvhost list: the collection's items, all or one category's, as a table or JSON.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "host/collection.h"
#include "host/commands.h"
#include "host/item_listing.h"
#include "platform/process.h"
#include "text/number.h"

namespace orv::host {

namespace {

// The terminal's width; else $COLUMNS, as shells set it; else the classic 80.
size_t TableWidth() {
  if (const int columns = platform::StandardOutputColumns(); columns > 0) return columns;
  if (const char* columns = std::getenv("COLUMNS")) {
    if (const std::optional<int> n = text::ParseDigits(columns, 4); n && *n >= 20) return *n;
  }
  return 80;
}

}  // namespace

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
  const std::string text = command.json ? ItemsAsJson(items) : ItemsAsTable(items, TableWidth());
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kExitOk;
}

}  // namespace orv::host
