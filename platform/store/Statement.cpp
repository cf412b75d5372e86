#include "platform/store/Statement.hpp"

#include <sqlite3.h>

#include <utility>

namespace platform::store {

Result<Statement> Statement::prepare(sqlite3* db, std::string_view sql) {
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                              SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(statement);
    return Error{sqlite3_errmsg(db)};
  }
  return Statement(statement);
}

Statement::~Statement() {
  sqlite3_finalize(statement_);
}

Statement::Statement(Statement&& other) noexcept
    : statement_(std::exchange(other.statement_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(statement_);
    statement_ = std::exchange(other.statement_, nullptr);
  }
  return *this;
}

int Statement::bindNull(int index) {
  return sqlite3_bind_null(statement_, index);
}

int Statement::bindInteger(int index, std::int64_t value) {
  return sqlite3_bind_int64(statement_, index, value);
}

int Statement::bindReal(int index, double value) {
  return sqlite3_bind_double(statement_, index, value);
}

int Statement::bindText(int index, std::string_view text) {
  return sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT,
                             SQLITE_UTF8);
}

int Statement::bindBlob(int index, std::span<const std::uint8_t> bytes) {
  // A zero-length blob must stay a blob, not become NULL: SQLite binds a null pointer as NULL.
  static const std::uint8_t empty = 0;
  const void* data = bytes.empty() ? &empty : bytes.data();
  return sqlite3_bind_blob64(statement_, index, data, bytes.size(), SQLITE_TRANSIENT);
}

int Statement::step() {
  return sqlite3_step(statement_);
}

void Statement::reset() {
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::string Statement::errorMessage() const {
  return sqlite3_errmsg(sqlite3_db_handle(statement_));
}

std::string quoteIdentifier(std::string_view name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace platform::store
