#include "host/collection/sqlite_schema.h"

#include <vector>

#include "contract/abi.h"
#include "host/collection/sqlite_statement.h"

namespace orv::host::sqlite {

namespace {

constexpr const char* kFormatName = "orvhost collection";

bool Execute(sqlite3* db, const std::string& sql) {
  return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string FieldDefinitions() {
  std::string columns = "itemKind INTEGER NOT NULL";
  for (const ItemField& field : ItemFields()) {
    columns += ", \"";
    columns += field.name;
    columns += field.kind == FieldKind::kText    ? "\" TEXT NOT NULL DEFAULT ''"
               : field.kind == FieldKind::kPrice ? "\" REAL NOT NULL DEFAULT 0"
                                                 : "\" INTEGER NOT NULL DEFAULT 0";
  }
  return columns;
}

// What version 2 adds to version 1; the run and digest columns come last in both layouts, as
// ALTER TABLE appends them.
std::string Version2Tables() {
  return "CREATE TABLE links (item INTEGER PRIMARY KEY, " + FieldDefinitions() +
         ");"
         "CREATE TABLE runs (id INTEGER PRIMARY KEY AUTOINCREMENT, started TEXT NOT NULL, "
         "filter TEXT NOT NULL, source TEXT NOT NULL, stored INTEGER NOT NULL DEFAULT 0, "
         "ending TEXT NOT NULL DEFAULT '');"
         "CREATE INDEX items_digest ON items (digest);"
         "CREATE INDEX items_run ON items (run);";
}

bool Fail(sqlite3* db, std::string& error) {
  error = sqlite3_errmsg(db);
  Execute(db, "ROLLBACK");
  return false;
}

}  // namespace

std::string ItemColumns() {
  std::string columns;
  for (const ItemField& field : ItemFields()) {
    columns += ", \"";
    columns += field.name;
    columns += '"';
  }
  return columns;
}

int BindItem(Statement& statement, int index, const StoredItem& item) {
  sqlite3_bind_int(statement.get(), index++, item.itemKind);
  for (const ItemField& field : ItemFields()) {
    switch (field.kind) {
      case FieldKind::kText:
        statement.BindText(index++, item.*field.text);
        break;
      case FieldKind::kInteger:
        sqlite3_bind_int(statement.get(), index++, item.*field.integer);
        break;
      case FieldKind::kPrice:
        sqlite3_bind_double(statement.get(), index++, item.price);
        break;
    }
  }
  return index;
}

int ReadItem(const Statement& statement, int column, StoredItem& item) {
  item.itemKind = statement.ColumnInt(column++);
  for (const ItemField& field : ItemFields()) {
    switch (field.kind) {
      case FieldKind::kText:
        statement.ColumnText(column++, item.*field.text);
        break;
      case FieldKind::kInteger:
        item.*field.integer = statement.ColumnInt(column++);
        break;
      case FieldKind::kPrice:
        item.price = static_cast<float>(sqlite3_column_double(statement.get(), column++));
        break;
    }
  }
  return column;
}

bool CreateSchema(sqlite3* db) {
  // id is the insertion order: AUTOINCREMENT never hands out a number twice.
  const std::string script =
      "BEGIN;"
      "CREATE TABLE orvhost (key TEXT PRIMARY KEY, value TEXT NOT NULL);"
      "INSERT INTO orvhost VALUES ('format', '" +
      std::string(kFormatName) + "');INSERT INTO orvhost VALUES ('version', '" +
      std::to_string(kSchemaVersion) +
      "');"
      "CREATE TABLE settings (name TEXT PRIMARY KEY, value TEXT NOT NULL);"
      "CREATE TABLE items (id INTEGER PRIMARY KEY AUTOINCREMENT, " +
      FieldDefinitions() + ", run INTEGER, digest INTEGER NOT NULL DEFAULT 0);" +
      Version2Tables() + "COMMIT;";
  if (Execute(db, script)) return true;
  Execute(db, "ROLLBACK");
  return false;
}

int CollectionVersion(sqlite3* db, std::string& error) {
  Statement select(db, "SELECT key, value FROM orvhost");
  if (!select.ok()) {
    // A database without our table, or not a database at all, is not ours; anything else (a
    // folder that keeps the reader out, a locked or damaged file) is said as it is.
    const int code = sqlite3_errcode(db);
    const std::string message = sqlite3_errmsg(db);
    if (code == SQLITE_NOTADB || message.rfind("no such table", 0) == 0) {
      error = "is not an orvhost collection";
    } else {
      error = "cannot be read: " + message;
    }
    return 0;
  }
  bool named = false;
  int version = 0;
  int step;
  while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
    const std::string key = select.ColumnText(0);
    if (key == "format") named = select.ColumnText(1) == kFormatName;
    if (key == "version") version = select.ColumnInt(1);
  }
  if (step != SQLITE_DONE) {
    error = std::string("cannot be read: ") + sqlite3_errmsg(db);
    return 0;
  }
  if (!named) {
    error = "is not an orvhost collection";
    return 0;
  }
  if (version < 1 || version > kSchemaVersion) {
    error = "is a collection of another orvhost version (" + std::to_string(version) + ")";
    return 0;
  }
  return version;
}

bool UpgradeSchema(sqlite3* db, std::string& error) {
  // Immediate: no other writer slips in between reading the rows and rewriting them.
  if (!Execute(db, "BEGIN IMMEDIATE")) return Fail(db, error);
  if (!Execute(db, "ALTER TABLE items ADD COLUMN run INTEGER;"
                   "ALTER TABLE items ADD COLUMN digest INTEGER NOT NULL DEFAULT 0;" +
                       Version2Tables())) {
    return Fail(db, error);
  }
  std::vector<StoredItem> rows;
  {
    Statement select(db, "SELECT id, itemKind" + ItemColumns() + " FROM items ORDER BY id");
    if (!select.ok()) return Fail(db, error);
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
      StoredItem row;
      row.order = select.ColumnInt64(0);
      ReadItem(select, 1, row);
      rows.push_back(std::move(row));
    }
    // A read that stops early would commit an upgrade that left rows behind.
    if (step != SQLITE_DONE) return Fail(db, error);
  }
  Statement digest(db, "UPDATE items SET digest = ? WHERE id = ?");
  Statement moveLink(db, "INSERT INTO links (item, itemKind" + ItemColumns() +
                             ") SELECT ?, itemKind" + ItemColumns() + " FROM items WHERE id = ?");
  Statement dropRow(db, "DELETE FROM items WHERE id = ?");
  if (!digest.ok() || !moveLink.ok() || !dropRow.ok()) return Fail(db, error);
  // The same rule as for items read in memory: a link row follows the item it belongs to.
  const StoredItem* before = nullptr;
  bool beforeLinked = false;
  for (const StoredItem& row : rows) {
    if (row.itemKind == ORV_KIND_LINK && before && TakesLink(before->itemKind) && !beforeLinked) {
      sqlite3_reset(moveLink.get());
      moveLink.BindInt(1, before->order);
      moveLink.BindInt(2, row.order);
      sqlite3_reset(dropRow.get());
      dropRow.BindInt(1, row.order);
      if (!moveLink.Run() || !dropRow.Run()) return Fail(db, error);
      beforeLinked = true;
      continue;
    }
    sqlite3_reset(digest.get());
    digest.BindInt(1, ItemDigest(row));
    digest.BindInt(2, row.order);
    if (!digest.Run()) return Fail(db, error);
    before = &row;
    beforeLinked = false;
  }
  if (!Execute(db, "UPDATE orvhost SET value = '" + std::to_string(kSchemaVersion) +
                       "' WHERE key = 'version'") ||
      !Execute(db, "COMMIT")) {
    return Fail(db, error);
  }
  return true;
}

}  // namespace orv::host::sqlite
