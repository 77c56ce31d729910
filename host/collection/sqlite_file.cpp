#include "host/collection/sqlite_file.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <system_error>

namespace orv::host::sqlite {

namespace fs = std::filesystem;

std::string ImmutableUri(const std::string& path) {
  std::string uri = "file:";
  for (const char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
      uri += escaped;
    } else {
      uri += c;
    }
  }
  return uri + "?immutable=1";
}

bool HasPendingLog(const std::string& path) {
  std::error_code code;
  const uintmax_t size = fs::file_size(fs::u8path(path + "-wal"), code);
  return !code && size > 0;
}

std::string WriteObstacle(const fs::path& file) {
  if (access(file.c_str(), W_OK) != 0) return "the file is read-only for you";
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  if (access(folder.c_str(), W_OK) != 0) {
    return "its folder " + folder.u8string() + " is not writable for you";
  }
  return "";
}

sqlite3* OpenDatabase(const std::string& name, int flags, std::string& error) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(name.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    error = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, 5000);
  return db;
}

void UseWriteAheadLog(sqlite3* db) {
  // Each checkpoint of the log syncs twice; one every 32 MiB of log instead of every 4 MiB keeps
  // a large import from waiting on the disk again and again.
  sqlite3_exec(db,
               "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; "
               "PRAGMA wal_autocheckpoint=8192;",
               nullptr, nullptr, nullptr);
}

}  // namespace orv::host::sqlite
