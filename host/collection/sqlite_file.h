// The SQLite file of a collection: opening it, reading it without changing it, and telling why
// a user cannot change it.
#ifndef ORV_HOST_SQLITE_FILE_H
#define ORV_HOST_SQLITE_FILE_H

#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace orv::host::sqlite {

// A file URI that opens `path` as immutable: read without the lock and log files a reader
// otherwise makes beside it.
std::string ImmutableUri(const std::string& path);

// True when the write-ahead log beside `path` holds changes not yet in the file.
bool HasPendingLog(const std::string& path);

// Why the user cannot change an existing collection, "" when nothing stands in the way: the
// database writes its log beside the file, so the folder must be writable too.
std::string WriteObstacle(const std::filesystem::path& file);

// The database `name` opened with `flags` and a busy time-out; null with `error` when it cannot
// be.
sqlite3* OpenDatabase(const std::string& name, int flags, std::string& error);

// Items are committed in small batches, so an interrupted import keeps what was committed. A
// write-ahead log without a sync per commit keeps that true when the process dies, at a small
// fraction of the cost of a full sync. Switching to it rewrites the file's header: a reader
// leaves the file as it is; a new file takes it before its schema, which then costs no sync of
// its own.
void UseWriteAheadLog(sqlite3* db);

}  // namespace orv::host::sqlite

#endif  // ORV_HOST_SQLITE_FILE_H
