#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/foundation/Result.hpp"
#include "platform/store/Entity.hpp"
#include "platform/store/Statement.hpp"

struct sqlite3;

namespace platform::store {

// The SQL side of one entity: its table and the prepared statements that read and write it.
// The table has one column per attribute, in attribute order, and nothing else; rows are told
// apart and kept in store order by SQLite's own rowid.
class Table {
 public:
  // One stored row as read for a list: every value except the bytes, which stay absent and are
  // described by `hasBytes` (indexed by attribute) until loaded on their own.
  struct Row {
    std::int64_t rowid = 0;
    std::vector<Value> values;
    std::vector<bool> hasBytes;
  };

  // Whether the table exists; an existing table must have a column for every attribute. Writes
  // nothing.
  static Result<bool> check(sqlite3* db, const Entity& entity);
  // Prepares the statements, creating the table first when `create` says so.
  static Result<Table> open(sqlite3* db, const Entity& entity, bool create);

  // Every row in store order. A row whose UUID or date cannot be read is skipped and logged;
  // it stays in the file untouched.
  Result<void> forEachRow(const std::function<void(Row&&)>& visit);
  // The bytes of one attribute of one row (absent when NULL or when the row is gone).
  Result<std::optional<Bytes>> loadBytes(std::int64_t rowid, std::size_t attribute);
  // Answers the new row's rowid.
  Result<std::int64_t> insert(const std::vector<Value>& values);
  Result<void> update(std::int64_t rowid, std::size_t attribute, const Value& value);
  Result<void> remove(std::int64_t rowid);

  sqlite3* connection() const { return db_; }

 private:
  explicit Table(const Entity& entity) : entity_(&entity) {}

  const Entity* entity_;
  sqlite3* db_ = nullptr;
  Statement selectAll_;
  Statement insert_;
  Statement delete_;
  std::vector<Statement> update_;       // by attribute
  std::vector<Statement> selectBytes_;  // by attribute; empty statements for other types
};

}  // namespace platform::store
