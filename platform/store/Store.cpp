#include "platform/store/Store.hpp"

#include <sqlite3.h>

#include <string>
#include <system_error>
#include <utility>

#include "platform/store/Statement.hpp"
#include "platform/store/Table.hpp"

namespace platform::store {
namespace {

// Runs a statement that answers at most one row and hands back its first column as text.
Result<std::string> queryText(sqlite3* db, const std::string& sql) {
  auto statement = Statement::prepare(db, sql);
  if (!statement) return statement.error();
  int rc = statement->step();
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) return Error{statement->errorMessage()};
  const auto* text = rc == SQLITE_ROW ? sqlite3_column_text(statement->get(), 0) : nullptr;
  return std::string(text ? reinterpret_cast<const char*>(text) : "");
}

}  // namespace

void Store::CloseConnection::operator()(sqlite3* db) const {
  sqlite3_close_v2(db);
}

Result<std::unique_ptr<Store>> Store::open(const std::filesystem::path& path,
                                           const std::vector<const Entity*>& entities,
                                           MainQueue& queue) {
  const std::string where = "Cannot open the store at " + path.string() + ": ";
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) return Error{where + ec.message()};

  std::unique_ptr<Store> store(new Store());
  store->path_ = path;
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  store->db_.reset(raw);
  if (rc != SQLITE_OK) return Error{where + (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc))};
  sqlite3* db = raw;
  sqlite3_extended_result_codes(db, 1);
  // SQLite quietly falls back to read-only when it may not write; the store must be writable.
  if (sqlite3_db_readonly(db, "main") == 1) return Error{where + "the file is read-only"};

  // Nothing below writes until every check has passed, so a foreign or damaged file stays as
  // it was. Reading the schema is what finds out that a file is not a database.
  if (auto schema = queryText(db, "SELECT count(*) FROM sqlite_schema"); !schema)
    return Error{where + schema.error().description};
  std::vector<bool> exists;
  for (const Entity* entity : entities) {
    auto checked = Table::check(db, *entity);
    if (!checked) return Error{where + checked.error().description};
    exists.push_back(*checked);
  }

  auto mode = queryText(db, "PRAGMA journal_mode = WAL");
  if (!mode) return Error{where + mode.error().description};
  if (*mode != "wal") return Error{where + "cannot use a write-ahead log (" + *mode + ")"};
  if (auto sync = queryText(db, "PRAGMA synchronous = FULL"); !sync)
    return Error{where + sync.error().description};

  std::vector<std::pair<const Entity*, Table>> tables;
  for (std::size_t i = 0; i < entities.size(); ++i) {
    auto table = Table::open(db, *entities[i], !exists[i]);
    if (!table) return Error{where + table.error().description};
    tables.emplace_back(entities[i], std::move(*table));
  }
  store->context_ = std::make_unique<ModelContext>(std::move(tables), queue);
  return store;
}

Store::~Store() = default;

Result<void> Store::limitPageCount(std::int64_t pages) {
  auto answer = queryText(db_.get(), "PRAGMA max_page_count = " + std::to_string(pages));
  if (!answer) return answer.error();
  return {};
}

Result<std::int64_t> Store::pageCount() {
  auto statement = Statement::prepare(db_.get(), "PRAGMA page_count");
  if (!statement) return statement.error();
  if (statement->step() != SQLITE_ROW) return Error{statement->errorMessage()};
  return std::int64_t{sqlite3_column_int64(statement->get(), 0)};
}

}  // namespace platform::store
