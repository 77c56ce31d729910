// The collection as a SQLite database: a marker table that says the file is ours, one table of
// items (every MediaItem field, the itemKind, the insertion order) and one of settings.
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "host/collection.h"

namespace orv::host {

namespace {

namespace fs = std::filesystem;

constexpr const char* kFormatName = "orvhost collection";
constexpr int kSchemaVersion = 1;

// A prepared statement, finalized on every exit path.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK) {
      statement_ = nullptr;
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return statement_ != nullptr; }
  sqlite3_stmt* get() const { return statement_; }

  void BindText(int index, const std::string& text) {
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
  }
  std::string ColumnText(int column) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    const int n = sqlite3_column_bytes(statement_, column);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<size_t>(n))
                 : std::string();
  }
  int32_t ColumnInt(int column) const {
    const sqlite3_int64 value = sqlite3_column_int64(statement_, column);
    return value < INT32_MIN || value > INT32_MAX ? 0 : static_cast<int32_t>(value);
  }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

std::string ItemColumns() {
  std::string columns;
  for (const ItemField& field : ItemFields()) {
    columns += ", \"";
    columns += field.name;
    columns += '"';
  }
  return columns;
}

class SqliteCollection : public Collection {
 public:
  explicit SqliteCollection(sqlite3* db) : db_(db) {}
  ~SqliteCollection() override {
    CommitBatch();
    insert_.reset();  // a statement left open would keep the database from closing
    sqlite3_close(db_);
  }

  bool AddItem(const StoredItem& item, std::string& error) override {
    // One insert statement for the whole run: an import stores thousands of items.
    if (!insert_) {
      std::string sql = "INSERT INTO items (itemKind" + ItemColumns() + ") VALUES (?";
      for (size_t i = 0; i < ItemFields().size(); ++i) sql += ", ?";
      sql += ")";
      insert_ = std::make_unique<Statement>(db_, sql);
      if (!insert_->ok()) {
        insert_.reset();
        return Failed(error);
      }
    }
    // Items go in batches, one transaction each: a commit per item cost most of an import's
    // time in locks and log writes. A crash loses at most the batch under way.
    if (batched_ == 0) {
      if (!Execute("BEGIN")) return Failed(error);
      batchStart_ = std::chrono::steady_clock::now();
    }
    Statement& insert = *insert_;
    sqlite3_reset(insert.get());
    sqlite3_clear_bindings(insert.get());
    int index = 1;
    sqlite3_bind_int(insert.get(), index++, item.itemKind);
    for (const ItemField& field : ItemFields()) {
      switch (field.kind) {
        case FieldKind::kText:
          insert.BindText(index++, item.*field.text);
          break;
        case FieldKind::kInteger:
          sqlite3_bind_int(insert.get(), index++, item.*field.integer);
          break;
        case FieldKind::kPrice:
          sqlite3_bind_double(insert.get(), index++, item.price);
          break;
      }
    }
    const bool stored = sqlite3_step(insert.get()) == SQLITE_DONE;
    if (!stored) Failed(error);
    sqlite3_reset(insert.get());
    ++batched_;
    // A failed insert is undone alone: the items before it are committed.
    if (!stored || batched_ >= kBatchItems ||
        std::chrono::steady_clock::now() - batchStart_ >= kBatchTime) {
      std::string commitError;
      if (!CommitBatch(commitError) && stored) {
        error = commitError;
        return false;
      }
    }
    return stored;
  }

  bool Items(std::optional<int> category, std::vector<StoredItem>& items,
             std::string& error) override {
    if (!CommitBatch(error)) return false;
    Statement select(db_, "SELECT id, itemKind" + ItemColumns() + " FROM items ORDER BY id");
    if (!select.ok()) return Failed(error);
    items.clear();
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      StoredItem item;
      item.order = sqlite3_column_int64(select.get(), 0);
      item.itemKind = select.ColumnInt(1);
      int column = 2;
      for (const ItemField& field : ItemFields()) {
        switch (field.kind) {
          case FieldKind::kText:
            item.*field.text = select.ColumnText(column++);
            break;
          case FieldKind::kInteger:
            item.*field.integer = select.ColumnInt(column++);
            break;
          case FieldKind::kPrice:
            item.price = static_cast<float>(sqlite3_column_double(select.get(), column++));
            break;
        }
      }
      if (!category || CollectionCategory(item) == *category) items.push_back(std::move(item));
    }
    if (step != SQLITE_DONE) return Failed(error);
    return true;
  }

  CollectionSettings Settings() override {
    CommitBatch();
    CollectionSettings settings = DefaultSettings();
    Statement select(db_, "SELECT name, value FROM settings");
    if (!select.ok()) return settings;
    while (sqlite3_step(select.get()) == SQLITE_ROW) {
      ApplySetting(settings, select.ColumnText(0), select.ColumnText(1));
    }
    return settings;
  }

  bool SaveSettings(const CollectionSettings& settings, std::string& error) override {
    if (!CommitBatch(error) || !Execute("BEGIN")) return Failed(error);
    bool ok = true;
    ForEachSetting(settings, [&](const std::string& name, const std::string& value) {
      Statement upsert(db_, "INSERT OR REPLACE INTO settings (name, value) VALUES (?, ?)");
      if (!upsert.ok()) {
        ok = false;
        return;
      }
      upsert.BindText(1, name);
      upsert.BindText(2, value);
      if (sqlite3_step(upsert.get()) != SQLITE_DONE) ok = false;
    });
    if (!ok) {
      Failed(error);
      Execute("ROLLBACK");
      return false;
    }
    return Execute("COMMIT") || Failed(error);
  }

  bool Execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
  }

  bool Failed(std::string& error) {
    error = sqlite3_errmsg(db_);
    return false;
  }

 private:
  static constexpr int kBatchItems = 256;
  static constexpr std::chrono::milliseconds kBatchTime{500};

  // Ends the transaction of the items added since the last commit, if any.
  bool CommitBatch(std::string& error) {
    if (batched_ == 0) return true;
    batched_ = 0;
    if (Execute("COMMIT")) return true;
    Failed(error);
    Execute("ROLLBACK");
    return false;
  }
  void CommitBatch() {
    std::string ignored;
    CommitBatch(ignored);
  }

  sqlite3* db_;
  std::unique_ptr<Statement> insert_;
  int batched_ = 0;  // items added in the open transaction
  std::chrono::steady_clock::time_point batchStart_;
};

bool CreateSchema(sqlite3* db) {
  // id is the insertion order: AUTOINCREMENT never hands out a number twice.
  std::string items =
      "CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, itemKind INTEGER NOT NULL";
  for (const ItemField& field : ItemFields()) {
    items += ", \"";
    items += field.name;
    items += field.kind == FieldKind::kText    ? "\" TEXT NOT NULL DEFAULT ''"
             : field.kind == FieldKind::kPrice ? "\" REAL NOT NULL DEFAULT 0"
                                               : "\" INTEGER NOT NULL DEFAULT 0";
  }
  items += ")";
  const std::string script =
      "BEGIN;"
      "CREATE TABLE orvhost (key TEXT PRIMARY KEY, value TEXT NOT NULL);"
      "INSERT INTO orvhost VALUES ('format', '" +
      std::string(kFormatName) +
      "');"
      "INSERT INTO orvhost VALUES ('version', '" +
      std::to_string(kSchemaVersion) +
      "');"
      "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL);" +
      items + ";COMMIT;";
  return sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// True when the open database carries our marker with a version we understand. Only reads.
bool IsOurCollection(sqlite3* db, std::string& error) {
  Statement select(db, "SELECT key, value FROM orvhost");
  if (!select.ok()) {
    error = "is not an orvhost collection";
    return false;
  }
  bool named = false;
  int version = 0;
  while (sqlite3_step(select.get()) == SQLITE_ROW) {
    const std::string key = select.ColumnText(0);
    if (key == "format") named = select.ColumnText(1) == kFormatName;
    if (key == "version") version = select.ColumnInt(1);
  }
  if (!named) {
    error = "is not an orvhost collection";
    return false;
  }
  if (version != kSchemaVersion) {
    error = "is a collection of another orvhost version (" + std::to_string(version) + ")";
    return false;
  }
  return true;
}

// Items are committed in small batches (AddItem), so an interrupted import keeps what was
// committed. A write-ahead log without a sync per commit keeps that true when the process dies,
// at a small fraction of the cost of a full sync. Switching to it rewrites the file's header: a
// reader, and a file not known to be ours, are left as they are; a new file takes it before its
// schema, which then costs no sync of its own.
void UseWriteAheadLog(sqlite3* db) {
  // Each checkpoint of the log syncs twice; one every 32 MiB of log instead of every 4 MiB keeps
  // a large import from waiting on the disk again and again.
  sqlite3_exec(db,
               "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; "
               "PRAGMA wal_autocheckpoint=8192;",
               nullptr, nullptr, nullptr);
}

}  // namespace

std::unique_ptr<Collection> OpenCollection(const std::string& path, OpenMode mode,
                                           std::string& error) {
  const fs::path file = fs::u8path(path);
  std::error_code code;
  bool exists = false;
  if (!CheckCollectionPath(path, mode, exists, error)) return nullptr;

  sqlite3* db = nullptr;
  // An existing file is opened without the create flag so that a wrong path is never replaced.
  const bool readOnly = mode == OpenMode::kReadOnly;
  const int flags = readOnly ? SQLITE_OPEN_READONLY
                    : exists ? SQLITE_OPEN_READWRITE
                             : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
    error = "cannot open collection " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close(db);
    return nullptr;
  }
  sqlite3_busy_timeout(db, 5000);
  if (exists) {
    std::string why;
    if (!IsOurCollection(db, why)) {
      sqlite3_close(db);
      error = path + " " + why;
      return nullptr;
    }
    if (!readOnly) UseWriteAheadLog(db);
  } else {
    UseWriteAheadLog(db);
    if (!CreateSchema(db)) {
      error = "cannot create collection " + path + ": " + sqlite3_errmsg(db);
      sqlite3_close(db);
      fs::remove(file, code);  // ours, just made, and holding nothing
      return nullptr;
    }
  }
  return std::make_unique<SqliteCollection>(db);
}

}  // namespace orv::host
