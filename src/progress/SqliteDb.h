#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileLock.h"

struct sqlite3;
struct sqlite3_stmt;

// A thin owner of an SQLite connection and its prepared statements.
namespace sql {

class Statement {
 public:
  Statement() = default;
  Statement(sqlite3* db, std::string_view text);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool Ok() const { return stmt_ != nullptr; }
  // Parameters count from 1.
  void Bind(int index, int64_t value);
  void Bind(int index, std::string_view text);
  void BindNull(int index);
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step();
  // Back to the start with the parameters cleared, to run again.
  void Reset();
  int64_t Int(int column) const;
  bool IsNull(int column) const;
  std::string Text(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens (creating) the file for reading and writing; returns the SQLite result code.
  int Open(const std::string& path);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  // Runs statements without results; returns the SQLite result code.
  int Exec(const char* text);
  // Starts a write transaction (BEGIN IMMEDIATE, which waits the busy timeout for another
  // writer) on the file still at the path it was opened from; kMovedAway, with no transaction,
  // when the path now names another file or none: another program has moved this one aside,
  // and what is written here would land in the file set aside.
  int BeginWrite();
  Statement Prepare(std::string_view text) const { return Statement(db_, text); }
  int ErrorCode() const;
  std::string ErrorMessage() const;
  int64_t LastInsertRowId() const;

 private:
  bool StillAtPath() const;

  sqlite3* db_ = nullptr;
  std::string path_;
  std::optional<FileIdentity> opened_;
};

// BeginWrite's answer when the file is no longer at its path (beside SQLite's result codes,
// which are never negative).
inline constexpr int kMovedAway = -1;

// Whether an SQLite result code says the file is not a (sound) database.
bool IsCorruption(int code);

}  // namespace sql
