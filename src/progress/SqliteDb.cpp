#include "progress/SqliteDb.h"

#include <sqlite3.h>

#include <utility>

namespace sql {

Statement::Statement(sqlite3* db, std::string_view text) {
  if (!db) return;
  if (sqlite3_prepare_v2(db, text.data(), static_cast<int>(text.size()), &stmt_, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Statement(Statement&& other) noexcept : stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

void Statement::Bind(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void Statement::Bind(int index, std::string_view text) {
  sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Statement::BindNull(int index) { sqlite3_bind_null(stmt_, index); }

int Statement::Step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_MISUSE; }

void Statement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

bool Statement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

std::string Statement::Text(int column) const {
  const unsigned char* text = sqlite3_column_text(stmt_, column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
              : std::string();
}

Database::~Database() { Close(); }

int Database::Open(const std::string& path) {
  Close();
  const int result = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (result != SQLITE_OK) {
    Close();
    return result;
  }
  // SQLite has opened (or made) the file itself by now: this is the file written from here on.
  path_ = path;
  opened_ = IdentityOf(path);
  return SQLITE_OK;
}

void Database::Close() {
  // Statements are owned by their users, who finalize them first; v2 defers the close if not.
  sqlite3_close_v2(db_);
  db_ = nullptr;
  opened_.reset();
}

int Database::Exec(const char* text) { return db_ ? sqlite3_exec(db_, text, nullptr, nullptr, nullptr) : SQLITE_MISUSE; }

int Database::BeginWrite() {
  if (!StillAtPath()) return kMovedAway;
  const int result = Exec("BEGIN IMMEDIATE");
  if (result != SQLITE_OK) return StillAtPath() ? result : kMovedAway;
  // Checked again with the write lock held: the file may have been moved while this waited.
  if (StillAtPath()) return SQLITE_OK;
  Exec("ROLLBACK");
  return kMovedAway;
}

bool Database::StillAtPath() const { return db_ && opened_ && IdentityOf(path_) == opened_; }

int Database::ErrorCode() const { return db_ ? sqlite3_errcode(db_) : SQLITE_CANTOPEN; }

std::string Database::ErrorMessage() const { return db_ ? sqlite3_errmsg(db_) : "not open"; }

int64_t Database::LastInsertRowId() const { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

bool IsCorruption(int code) {
  const int primary = code & 0xff;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

}  // namespace sql
