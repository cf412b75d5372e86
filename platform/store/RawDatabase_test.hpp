#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

namespace platform::store::testing {

// A second connection to a store file, as another program (the sqlite3 shell) would open it.
class RawDatabase {
 public:
  explicit RawDatabase(const std::filesystem::path& path) {
    sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  }
  ~RawDatabase() { sqlite3_close_v2(db_); }
  RawDatabase(const RawDatabase&) = delete;
  RawDatabase& operator=(const RawDatabase&) = delete;

  bool exec(const std::string& sql) {
    return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  // Every row of a query, its columns joined by '|' (NULL as "NULL"), as the shell prints them.
  std::vector<std::string> rows(const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
      return {"error: " + std::string(sqlite3_errmsg(db_))};
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::string line;
      for (int i = 0; i < sqlite3_column_count(statement); ++i) {
        if (i) line += '|';
        const auto* text = sqlite3_column_text(statement, i);
        line += text ? reinterpret_cast<const char*>(text) : "NULL";
      }
      out.push_back(line);
    }
    sqlite3_finalize(statement);
    return out;
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace platform::store::testing
