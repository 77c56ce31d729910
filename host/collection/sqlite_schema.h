// The tables of a SQLite collection: made for a new file, recognised, and upgraded in place
// from the layout of earlier versions.
#ifndef ORV_HOST_SQLITE_SCHEMA_H
#define ORV_HOST_SQLITE_SCHEMA_H

#include <sqlite3.h>

#include <string>

namespace orv::host::sqlite {

// 1: items and settings. 2: runs, links kept with their item, a digest per item.
constexpr int kSchemaVersion = 2;

// Every table of the current layout, in one transaction.
bool CreateSchema(sqlite3* db);

// The layout version of our collection (1 or 2); 0 with `error` when the file is not one, or
// cannot be read, or is of a later version. Only reads.
int CollectionVersion(sqlite3* db, std::string& error);

// From version 1 to the current one in one transaction: every item kept (in no run), each link
// row attached to the item before it as earlier versions stored them.
bool UpgradeSchema(sqlite3* db, std::string& error);

}  // namespace orv::host::sqlite

#endif  // ORV_HOST_SQLITE_SCHEMA_H
