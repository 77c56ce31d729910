// The collection as a SQLite database: a marker table that says the file is ours, one table of
// items (every MediaItem field, the itemKind, the insertion order, the run, a digest), the links
// kept with their items, the runs, and the settings (tables: sqlite_schema.cpp).
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "host/collection/collection.h"
#include "host/collection/sqlite_file.h"
#include "host/collection/sqlite_schema.h"
#include "host/collection/sqlite_statement.h"

namespace orv::host {

namespace {

namespace fs = std::filesystem;
using sqlite::Statement;

class SqliteCollection : public Collection {
 public:
  SqliteCollection(sqlite3* db, int version) : db_(db), version_(version) {}
  ~SqliteCollection() override {
    CommitBatch();
    // A statement left open would keep the database from closing.
    insert_.reset();
    findSame_.reset();
    findLink_.reset();
    sqlite3_close(db_);
  }

  bool StoreItem(const StoredItem& item, int64_t& id, std::string& error) override {
    // One insert statement for the whole run: an import stores thousands of items.
    if (!insert_) {
      std::string sql =
          "INSERT INTO items (run, digest, itemKind" + sqlite::ItemColumns() + ") VALUES (?, ?, ?";
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
    if (item.run > 0) insert.BindInt(1, item.run);  // else NULL: no run
    insert.BindInt(2, ItemDigest(item));
    sqlite::BindItem(insert, 3, item);
    const bool stored = insert.Run();
    if (!stored) Failed(error);
    id = sqlite3_last_insert_rowid(db_);
    sqlite3_reset(insert.get());
    ++batched_;
    if (stored) ++batchedItems_;
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
    // A collection of version 1 read where it cannot be upgraded: no runs, links still rows.
    const bool upgraded = version_ >= 2;
    Statement select(db_, std::string("SELECT id, ") + (upgraded ? "run" : "0") + ", itemKind" +
                              sqlite::ItemColumns() + " FROM items ORDER BY id");
    if (!select.ok()) return Failed(error);
    items.clear();
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      StoredItem item;
      item.order = select.ColumnInt64(0);
      item.run = select.ColumnInt64(1);
      sqlite::ReadItem(select, 2, item);
      items.push_back(std::move(item));
    }
    if (step != SQLITE_DONE) return Failed(error);
    if (upgraded) {
      if (!ReadLinks(items, error)) return false;
    } else {
      AttachLinks(items);
    }
    if (category) {
      size_t kept = 0;
      for (StoredItem& item : items) {
        if (CollectionCategory(item) != *category) continue;
        if (&items[kept] != &item) items[kept] = std::move(item);
        ++kept;
      }
      items.resize(kept);
    }
    return true;
  }

  // Streams the rows one at a time into one reused item, for exports: they never see links, so
  // none are attached. A collection not yet upgraded keeps its links as rows and is read whole.
  bool VisitItems(std::optional<int> category, const std::function<bool(const StoredItem&)>& visit,
                  std::string& error) override {
    if (!CommitBatch(error)) return false;
    if (version_ < 2) return Collection::VisitItems(category, visit, error);
    Statement select(db_, "SELECT id, run, itemKind" + sqlite::ItemColumns() +
                              " FROM items ORDER BY id");
    if (!select.ok()) return Failed(error);
    StoredItem item;  // its texts keep their buffers from row to row
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      item.order = select.ColumnInt64(0);
      item.run = select.ColumnInt64(1);
      sqlite::ReadItem(select, 2, item);
      if ((!category || CollectionCategory(item) == *category) && !visit(item)) {
        sqlite3_reset(select.get());
        return true;
      }
    }
    return step == SQLITE_DONE || Failed(error);
  }

  bool FindSame(const StoredItem& item, int64_t& id, std::shared_ptr<const StoredItem>& link,
                std::string& error) override {
    id = 0;
    link.reset();
    // Prepared once for the whole run: an import asks for every item it stores.
    if (!Prepare(findSame_, "SELECT id, itemKind" + sqlite::ItemColumns() +
                                " FROM items WHERE digest = ? ORDER BY id") ||
        !Prepare(findLink_,
                 "SELECT itemKind" + sqlite::ItemColumns() + " FROM links WHERE item = ?")) {
      return Failed(error);
    }
    Statement& select = *findSame_;
    sqlite3_reset(select.get());
    select.BindInt(1, ItemDigest(item));
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      StoredItem candidate;
      sqlite::ReadItem(select, 1, candidate);
      if (SameItem(candidate, item)) {
        id = select.ColumnInt64(0);
        break;
      }
    }
    sqlite3_reset(select.get());  // no read transaction left open between items
    if (step != SQLITE_DONE && step != SQLITE_ROW) return Failed(error);
    if (id == 0) return true;
    Statement& linkOf = *findLink_;
    sqlite3_reset(linkOf.get());
    linkOf.BindInt(1, id);
    step = sqlite3_step(linkOf.get());
    if (step == SQLITE_ROW) {
      auto found = std::make_shared<StoredItem>();
      sqlite::ReadItem(linkOf, 0, *found);
      link = std::move(found);
    }
    sqlite3_reset(linkOf.get());
    return step == SQLITE_ROW || step == SQLITE_DONE || Failed(error);
  }

  bool SetLink(int64_t id, const StoredItem& link, std::string& error) override {
    std::string sql = "INSERT OR REPLACE INTO links (item, itemKind" + sqlite::ItemColumns() +
                      ") VALUES (?, ?";
    for (size_t i = 0; i < ItemFields().size(); ++i) sql += ", ?";
    Statement insert(db_, sql + ")");
    if (!insert.ok()) return Failed(error);
    insert.BindInt(1, id);
    sqlite::BindItem(insert, 2, link);
    return insert.Run() || Failed(error);
  }

  bool RemoveItems(const std::vector<int64_t>& ids, std::string& error) override {
    if (!CommitBatch(error)) return false;
    if (!Execute("BEGIN IMMEDIATE")) return Failed(error);
    Statement item(db_, "DELETE FROM items WHERE id = ?");
    Statement link(db_, "DELETE FROM links WHERE item = ?");
    bool ok = item.ok() && link.ok();
    for (size_t i = 0; ok && i < ids.size(); ++i) {
      for (Statement* statement : {&item, &link}) {
        sqlite3_reset(statement->get());
        statement->BindInt(1, ids[i]);
        ok = ok && statement->Run();
      }
    }
    return Commit(ok, error);
  }

  bool BeginRun(RunRecord& run, std::string& error) override {
    Statement insert(db_, "INSERT INTO runs (started, filter, source) VALUES (?, ?, ?)");
    if (!insert.ok()) return Failed(error);
    insert.BindText(1, run.started);
    insert.BindText(2, run.filter);
    insert.BindText(3, run.source);
    if (!insert.Run()) return Failed(error);
    run.id = sqlite3_last_insert_rowid(db_);
    return true;
  }

  bool SaveStoredItems(std::string& error) override { return CommitBatch(error); }

  bool EndRun(const RunRecord& run, std::string& error) override {
    // The run's last items are committed with its ending.
    if (!CommitBatch(error)) return false;
    Statement update(db_, "UPDATE runs SET stored = ?, ending = ? WHERE id = ?");
    if (!update.ok()) return Failed(error);
    update.BindInt(1, run.stored);
    update.BindText(2, run.ending);
    update.BindInt(3, run.id);
    return update.Run() || Failed(error);
  }

  bool Runs(std::vector<RunRecord>& runs, std::string& error) override {
    runs.clear();
    if (!CommitBatch(error)) return false;
    if (version_ < 2) return true;
    Statement select(db_,
                     "SELECT id, started, filter, source, "
                     "(SELECT COUNT(*) FROM items WHERE run = runs.id), ending FROM runs ORDER BY id");
    if (!select.ok()) return Failed(error);
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      RunRecord run;
      run.id = select.ColumnInt64(0);
      run.started = select.ColumnText(1);
      run.filter = select.ColumnText(2);
      run.source = select.ColumnText(3);
      run.stored = select.ColumnInt64(4);
      run.ending = select.ColumnText(5);
      runs.push_back(std::move(run));
    }
    return step == SQLITE_DONE || Failed(error);
  }

  bool RemoveRun(int64_t run, std::string& error) override {
    if (!CommitBatch(error)) return false;
    if (!Execute("BEGIN IMMEDIATE")) return Failed(error);
    Statement links(db_, "DELETE FROM links WHERE item IN (SELECT id FROM items WHERE run = ?)");
    Statement items(db_, "DELETE FROM items WHERE run = ?");
    Statement record(db_, "DELETE FROM runs WHERE id = ?");
    bool ok = true;
    for (Statement* statement : {&links, &items, &record}) {
      ok = ok && statement->ok();
      if (!ok) break;
      statement->BindInt(1, run);
      ok = statement->Run();
    }
    return Commit(ok, error);
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
    if (!CommitBatch(error)) return false;
    if (!Execute("BEGIN")) return Failed(error);
    bool ok = true;
    ForEachSetting(settings, [&](const std::string& name, const std::string& value) {
      Statement upsert(db_, "INSERT OR REPLACE INTO settings (name, value) VALUES (?, ?)");
      if (!upsert.ok()) {
        ok = false;
        return;
      }
      upsert.BindText(1, name);
      upsert.BindText(2, value);
      if (!upsert.Run()) ok = false;
    });
    return Commit(ok, error);
  }

 private:
  bool Execute(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
  }

  bool Failed(std::string& error) {
    error = sqlite3_errmsg(db_);
    return false;
  }

  // Prepares `statement` once; false when it cannot be.
  bool Prepare(std::unique_ptr<Statement>& statement, const std::string& sql) {
    if (statement) return true;
    statement = std::make_unique<Statement>(db_, sql);
    if (statement->ok()) return true;
    statement.reset();
    return false;
  }

  bool Commit(bool ok, std::string& error) {
    if (!ok) {
      Failed(error);
      Execute("ROLLBACK");
      return false;
    }
    return Execute("COMMIT") || Failed(error);
  }

  // Attaches the links table's rows to `items` (both in id order).
  bool ReadLinks(std::vector<StoredItem>& items, std::string& error) {
    Statement select(db_, "SELECT item, itemKind" + sqlite::ItemColumns() +
                              " FROM links ORDER BY item");
    if (!select.ok()) return Failed(error);
    size_t at = 0;
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      const int64_t owner = select.ColumnInt64(0);
      while (at < items.size() && items[at].order < owner) ++at;
      if (at == items.size()) break;
      if (items[at].order != owner) continue;
      auto link = std::make_shared<StoredItem>();
      sqlite::ReadItem(select, 1, *link);
      items[at].link = std::move(link);
    }
    return step == SQLITE_DONE || step == SQLITE_ROW || Failed(error);
  }

  static constexpr int kBatchItems = 256;
  static constexpr std::chrono::milliseconds kBatchTime{500};

  // Ends the transaction of the items added since the last commit, if any. When the commit
  // fails those items are gone, and the error says how many.
  bool CommitBatch(std::string& error) {
    if (batched_ == 0) return true;
    const int items = batchedItems_;
    batched_ = batchedItems_ = 0;
    if (Execute("COMMIT")) return true;
    Failed(error);
    Execute("ROLLBACK");
    error = "the last " + std::to_string(items) + (items == 1 ? " item" : " items") +
            " stored could not be saved (" + error + ")";
    return false;
  }
  void CommitBatch() {
    std::string ignored;
    CommitBatch(ignored);
  }

  sqlite3* db_;
  int version_;
  std::unique_ptr<Statement> insert_, findSame_, findLink_;
  int batched_ = 0;       // inserts run in the open transaction
  int batchedItems_ = 0;  // the items they stored
  std::chrono::steady_clock::time_point batchStart_;
};

}  // namespace

std::unique_ptr<Collection> OpenCollection(const std::string& path, OpenMode mode,
                                           std::string& error) {
  const fs::path file = fs::u8path(path);
  bool exists = false;
  if (!CheckCollectionPath(path, mode, exists, error)) return nullptr;

  // An existing file is opened without the create flag so that a wrong path is never replaced.
  const bool readOnly = mode == OpenMode::kReadOnly;
  if (exists && access(file.c_str(), R_OK) != 0) {
    error = "cannot read collection " + path + ": the file is not readable for you";
    return nullptr;
  }
  if (exists && !readOnly) {
    if (const std::string obstacle = sqlite::WriteObstacle(file); !obstacle.empty()) {
      error = "cannot change collection " + path + ": " + obstacle +
              " (orvhost list and export still read it)";
      return nullptr;
    }
  }
  const int flags = readOnly ? SQLITE_OPEN_READONLY
                    : exists ? SQLITE_OPEN_READWRITE
                             : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  std::string why;
  sqlite3* db = sqlite::OpenDatabase(path, flags, why);
  if (!db) {
    error = "cannot open collection " + path + ": " + why;
    return nullptr;
  }
  int version = sqlite::kSchemaVersion;
  if (exists) {
    version = sqlite::CollectionVersion(db, why);
    // A reader in a folder it may not write cannot make the files a logged database is read
    // with; the file alone is the whole collection when no log is pending beside it.
    const int code = sqlite3_errcode(db);
    if (version == 0 && readOnly && (code == SQLITE_CANTOPEN || code == SQLITE_READONLY) &&
        !sqlite::HasPendingLog(path)) {
      sqlite3_close(db);
      db = sqlite::OpenDatabase(sqlite::ImmutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, why);
      if (!db) {
        error = "cannot open collection " + path + ": " + why;
        return nullptr;
      }
      version = sqlite::CollectionVersion(db, why);
    }
    if (version == 0) {
      sqlite3_close(db);
      error = path + " " + why;
      if (readOnly && sqlite::HasPendingLog(path)) {
        error += " (its last changes wait in " + path +
                 "-wal: open it once where it can be written)";
      }
      return nullptr;
    }
  } else {
    sqlite::UseWriteAheadLog(db);
    if (!sqlite::CreateSchema(db)) {
      error = "cannot create collection " + path + ": " + sqlite3_errmsg(db);
      sqlite3_close(db);
      std::error_code ignored;
      fs::remove(file, ignored);  // ours, just made, and holding nothing
      return nullptr;
    }
  }
  if (version < sqlite::kSchemaVersion && !readOnly) {
    if (!sqlite::UpgradeSchema(db, why)) {
      sqlite3_close(db);
      error = "cannot upgrade collection " + path + " (left as it was): " + why;
      return nullptr;
    }
    version = sqlite::kSchemaVersion;
  }
  if (!readOnly) sqlite::UseWriteAheadLog(db);
  return std::make_unique<SqliteCollection>(db, version);
}

}  // namespace orv::host
