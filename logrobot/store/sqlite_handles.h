#pragma once

// SQLite's connection and statement as owned handles, and the few calls the
// store makes on them. Every failure throws StoreError with SQLite's message.

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "logrobot/store/store_error.h"

namespace logrobot {

class Statement;

enum class Access { kReadWrite, kReadOnly };

class Database {
 public:
  explicit Database(const std::filesystem::path& file, Access access = Access::kReadWrite);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  void Execute(const char* sql);
  Statement Prepare(std::string_view sql);
  std::int64_t LastInsertId() const { return sqlite3_last_insert_rowid(db_); }
  sqlite3* Handle() const { return db_; }

  [[noreturn]] void Fail(std::string_view what) const;

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(Database& database, std::string_view sql);
  ~Statement();
  Statement(Statement&& other) noexcept : database_(other.database_), statement_(other.statement_) {
    other.statement_ = nullptr;
  }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& operator=(Statement&&) = delete;

  // Parameters are numbered from 1.
  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, std::string_view text);
  Statement& BindBlob(int index, std::string_view bytes);
  Statement& BindNull(int index);

  // The next row: true while there is one.
  bool Step();
  // Steps a statement that gives no rows, and makes it ready to run again.
  void Run();

  // Columns are numbered from 0.
  std::int64_t Integer(int column) const { return sqlite3_column_int64(statement_, column); }
  std::string Text(int column) const;
  std::optional<std::int64_t> OptionalInteger(int column) const;

 private:
  Database& database_;
  sqlite3_stmt* statement_ = nullptr;
};

// A transaction that rolls back unless committed.
class Transaction {
 public:
  explicit Transaction(Database& database);  // BEGIN IMMEDIATE: takes the write lock now
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void Commit();

 private:
  Database& database_;
  bool open_ = true;
};

}  // namespace logrobot
