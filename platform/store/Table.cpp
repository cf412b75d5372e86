#include "platform/store/Table.hpp"

#include <sqlite3.h>

#include <cmath>
#include <string>

#include "platform/foundation/Log.hpp"

namespace platform::store {
namespace {

std::string columnType(AttributeType type) {
  switch (type) {
    case AttributeType::uuid:
    case AttributeType::string:
      return "TEXT";
    case AttributeType::date:
      return "REAL";
    case AttributeType::integer:
    case AttributeType::boolean:
      return "INTEGER";
    case AttributeType::bytes:
      return "BLOB";
  }
  return "BLOB";
}

int bindValue(Statement& statement, int index, const Value& value) {
  switch (static_cast<AttributeType>(value.index())) {
    case AttributeType::uuid:
      return statement.bindText(index, std::get<Uuid>(value).string());
    case AttributeType::string:
      return statement.bindText(index, std::get<std::string>(value));
    case AttributeType::date:
      return statement.bindReal(index, std::get<Date>(value).referenceSeconds());
    case AttributeType::integer:
      return statement.bindInteger(index, std::get<std::int64_t>(value));
    case AttributeType::boolean:
      return statement.bindInteger(index, std::get<bool>(value) ? 1 : 0);
    case AttributeType::bytes: {
      const auto& bytes = std::get<std::optional<Bytes>>(value);
      return bytes ? statement.bindBlob(index, *bytes) : statement.bindNull(index);
    }
  }
  return SQLITE_MISUSE;
}

std::string columnText(sqlite3_stmt* statement, int column) {
  const auto* text = sqlite3_column_text(statement, column);
  int size = sqlite3_column_bytes(statement, column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
              : std::string();
}

// Leaves a statement reset however the function using it returns, so no read transaction stays
// open behind a half-stepped SELECT.
struct ResetOnExit {
  Statement& statement;
  ~ResetOnExit() { statement.reset(); }
};

Error stepError(std::string_view what, const Statement& statement) {
  return Error{std::string(what) + ": " + statement.errorMessage()};
}

Error bindError(std::string_view what, int rc) {
  return Error{std::string(what) + ": " + sqlite3_errstr(rc)};
}

}  // namespace

Result<bool> Table::check(sqlite3* db, const Entity& entity) {
  auto info = Statement::prepare(db, "SELECT name FROM pragma_table_info(?)");
  if (!info) return info.error();
  ResetOnExit guard{*info};
  info->bindText(1, entity.name);
  std::vector<std::string> columns;
  int rc;
  while ((rc = info->step()) == SQLITE_ROW) columns.push_back(columnText(info->get(), 0));
  if (rc != SQLITE_DONE) return stepError("Cannot read the table " + entity.name, *info);
  if (columns.empty()) return false;
  for (const auto& attribute : entity.attributes) {
    bool found = false;
    for (const auto& column : columns) found = found || column == attribute.name;
    if (!found) return Error{"The table " + entity.name + " has no column " + attribute.name};
  }
  return true;
}

Result<Table> Table::open(sqlite3* db, const Entity& entity, bool create) {
  Table table(entity);
  table.db_ = db;
  const std::string name = quoteIdentifier(entity.name);

  std::string createTable = "CREATE TABLE " + name + " (";
  std::string columns, placeholders, listColumns = "rowid";
  for (std::size_t i = 0; i < entity.attributes.size(); ++i) {
    const auto& attribute = entity.attributes[i];
    const std::string column = quoteIdentifier(attribute.name);
    std::string separator = i ? ", " : "";
    createTable += separator + column + " " + columnType(attribute.type);
    columns += separator + column;
    placeholders += separator + "?";
    // SQLite answers length() of a blob from the record header, without reading the bytes.
    listColumns +=
        ", " +
        (attribute.type == AttributeType::bytes ? "length(" + column + ") IS NOT NULL" : column);
  }
  createTable += ")";
  if (create) {
    auto statement = Statement::prepare(db, createTable);
    if (!statement) return statement.error();
    if (statement->step() != SQLITE_DONE)
      return stepError("Cannot create the table " + entity.name, *statement);
  }

  auto prepare = [&](Statement& into, const std::string& sql) -> Result<void> {
    auto statement = Statement::prepare(db, sql);
    if (!statement) return statement.error();
    into = std::move(*statement);
    return {};
  };
  Result<void> ok =
      prepare(table.selectAll_, "SELECT " + listColumns + " FROM " + name + " ORDER BY rowid");
  if (ok)
    ok = prepare(table.insert_,
                 "INSERT INTO " + name + " (" + columns + ") VALUES (" + placeholders + ")");
  if (ok) ok = prepare(table.delete_, "DELETE FROM " + name + " WHERE rowid = ?");
  table.update_.resize(entity.attributes.size());
  table.selectBytes_.resize(entity.attributes.size());
  for (std::size_t i = 0; ok && i < entity.attributes.size(); ++i) {
    const std::string column = quoteIdentifier(entity.attributes[i].name);
    ok = prepare(table.update_[i], "UPDATE " + name + " SET " + column + " = ? WHERE rowid = ?");
    if (ok && entity.attributes[i].type == AttributeType::bytes)
      ok =
          prepare(table.selectBytes_[i], "SELECT " + column + " FROM " + name + " WHERE rowid = ?");
  }
  if (!ok) return ok.error();
  return table;
}

Result<void> Table::forEachRow(const std::function<void(Row&&)>& visit) {
  ResetOnExit guard{selectAll_};
  sqlite3_stmt* statement = selectAll_.get();
  const auto& attributes = entity_->attributes;
  int rc;
  while ((rc = selectAll_.step()) == SQLITE_ROW) {
    Row row;
    row.rowid = sqlite3_column_int64(statement, 0);
    row.values.reserve(attributes.size());
    row.hasBytes.assign(attributes.size(), false);
    std::string damage;
    for (std::size_t i = 0; i < attributes.size() && damage.empty(); ++i) {
      const int column = static_cast<int>(i) + 1;
      const int type = sqlite3_column_type(statement, column);
      switch (attributes[i].type) {
        case AttributeType::uuid: {
          auto uuid =
              type == SQLITE_TEXT ? Uuid::parse(columnText(statement, column)) : std::nullopt;
          if (!uuid)
            damage = attributes[i].name + " is not a UUID";
          else
            row.values.emplace_back(*uuid);
          break;
        }
        case AttributeType::string:
          // A NULL text reads as empty text: nothing to guess, and nothing is lost by it.
          row.values.emplace_back(columnText(statement, column));
          break;
        case AttributeType::date: {
          double seconds = sqlite3_column_double(statement, column);
          if ((type != SQLITE_FLOAT && type != SQLITE_INTEGER) || !std::isfinite(seconds))
            damage = attributes[i].name + " is not a date";
          else
            row.values.emplace_back(Date::fromReferenceSeconds(seconds));
          break;
        }
        case AttributeType::integer:
          row.values.emplace_back(std::int64_t{sqlite3_column_int64(statement, column)});
          break;
        case AttributeType::boolean:
          row.values.emplace_back(sqlite3_column_int64(statement, column) != 0);
          break;
        case AttributeType::bytes:
          row.values.emplace_back(std::optional<Bytes>());
          row.hasBytes[i] = sqlite3_column_int(statement, column) != 0;
          break;
      }
    }
    if (!damage.empty()) {
      logLine("Store: skipped " + entity_->name + " row " + std::to_string(row.rowid) + ": " +
              damage);
      continue;
    }
    visit(std::move(row));
  }
  if (rc != SQLITE_DONE) return stepError("Cannot read " + entity_->name, selectAll_);
  return {};
}

Result<std::optional<Bytes>> Table::loadBytes(std::int64_t rowid, std::size_t attribute) {
  Statement& select = selectBytes_.at(attribute);
  ResetOnExit guard{select};
  select.bindInteger(1, rowid);
  int rc = select.step();
  if (rc == SQLITE_DONE) return std::optional<Bytes>();
  if (rc != SQLITE_ROW)
    return stepError("Cannot read " + entity_->name + "." + entity_->attributes[attribute].name,
                     select);
  if (sqlite3_column_type(select.get(), 0) == SQLITE_NULL) return std::optional<Bytes>();
  const auto* data = static_cast<const std::uint8_t*>(sqlite3_column_blob(select.get(), 0));
  int size = sqlite3_column_bytes(select.get(), 0);
  return std::optional<Bytes>(Bytes(data, data + size));
}

Result<std::int64_t> Table::insert(const std::vector<Value>& values) {
  ResetOnExit guard{insert_};
  for (std::size_t i = 0; i < values.size(); ++i)
    if (int rc = bindValue(insert_, static_cast<int>(i) + 1, values[i]); rc != SQLITE_OK)
      return bindError("Cannot insert into " + entity_->name, rc);
  if (insert_.step() != SQLITE_DONE)
    return stepError("Cannot insert into " + entity_->name, insert_);
  return std::int64_t{sqlite3_last_insert_rowid(db_)};
}

Result<void> Table::update(std::int64_t rowid, std::size_t attribute, const Value& value) {
  Statement& update = update_.at(attribute);
  ResetOnExit guard{update};
  if (int rc = bindValue(update, 1, value); rc != SQLITE_OK)
    return bindError("Cannot update " + entity_->name, rc);
  update.bindInteger(2, rowid);
  if (update.step() != SQLITE_DONE) return stepError("Cannot update " + entity_->name, update);
  return {};
}

Result<void> Table::remove(std::int64_t rowid) {
  ResetOnExit guard{delete_};
  delete_.bindInteger(1, rowid);
  if (delete_.step() != SQLITE_DONE)
    return stepError("Cannot delete from " + entity_->name, delete_);
  return {};
}

}  // namespace platform::store
