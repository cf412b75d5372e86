#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/foundation/Result.hpp"

struct sqlite3;
struct sqlite3_stmt;

namespace platform::store {

// One prepared SQLite statement, finalized when dropped. Every statement the store runs is one
// of these: values always travel as bound parameters, never as SQL text.
class Statement {
 public:
  Statement() = default;
  static Result<Statement> prepare(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;

  // Binders answer SQLite's result code (a blob larger than SQLite accepts fails here).
  int bindNull(int index);
  int bindInteger(int index, std::int64_t value);
  int bindReal(int index, double value);
  int bindText(int index, std::string_view text);
  int bindBlob(int index, std::span<const std::uint8_t> bytes);

  // SQLITE_ROW, SQLITE_DONE or an error code.
  int step();
  // Makes the statement ready to run again, without bindings.
  void reset();

  sqlite3_stmt* get() const { return statement_; }
  // The connection's last error, in words.
  std::string errorMessage() const;

 private:
  explicit Statement(sqlite3_stmt* statement) : statement_(statement) {}
  sqlite3_stmt* statement_ = nullptr;
};

// Quotes an identifier (table or column name) for SQL text.
std::string quoteIdentifier(std::string_view name);

}  // namespace platform::store
