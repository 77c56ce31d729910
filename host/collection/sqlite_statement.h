// A prepared SQLite statement and the item columns, shared by the collection and its schema code.
#ifndef ORV_HOST_SQLITE_STATEMENT_H
#define ORV_HOST_SQLITE_STATEMENT_H

#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "host/collection/stored_item.h"

namespace orv::host::sqlite {

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
  void BindInt(int index, int64_t value) { sqlite3_bind_int64(statement_, index, value); }
  std::string ColumnText(int column) const {
    std::string text;
    ColumnText(column, text);
    return text;
  }
  // Into `text`, whose buffer is kept: a walk over many rows reuses it.
  void ColumnText(int column, std::string& text) const {
    const auto* bytes = sqlite3_column_text(statement_, column);
    const int n = sqlite3_column_bytes(statement_, column);
    text.assign(bytes ? reinterpret_cast<const char*>(bytes) : "",
                bytes ? static_cast<size_t>(n) : 0);
  }
  int32_t ColumnInt(int column) const {
    const sqlite3_int64 value = sqlite3_column_int64(statement_, column);
    return value < INT32_MIN || value > INT32_MAX ? 0 : static_cast<int32_t>(value);
  }
  int64_t ColumnInt64(int column) const { return sqlite3_column_int64(statement_, column); }
  // Steps a statement that returns no row; true when it is done.
  bool Run() { return sqlite3_step(statement_) == SQLITE_DONE; }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

// ", "title", "type", …": every MediaItem field's column, in record order.
std::string ItemColumns();

// Binds itemKind then every field from parameter `first` on; gives the next free index.
int BindItem(Statement& statement, int first, const StoredItem& item);
// Reads itemKind then every field from column `first` on; gives the next column.
int ReadItem(const Statement& statement, int first, StoredItem& item);

}  // namespace orv::host::sqlite

#endif  // ORV_HOST_SQLITE_STATEMENT_H
