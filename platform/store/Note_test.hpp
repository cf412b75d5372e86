#pragma once

// Record types and helpers shared by the store's tests: a Note that uses every attribute type,
// a Tag as a second entity, and a plain SQLite connection for looking at the file from outside.

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/store/Record.hpp"

namespace platform::store::testing {

class Note final : public Record {
 public:
  enum Attribute : std::size_t { kId, kTitle, kCreated, kCount, kPinned, kAttachment };

  static const Entity& entityDescription() {
    static const Entity entity{"Note",
                               {{"id", AttributeType::uuid},
                                {"title", AttributeType::string},
                                {"created", AttributeType::date},
                                {"count", AttributeType::integer},
                                {"pinned", AttributeType::boolean},
                                {"attachment", AttributeType::bytes}},
                               [] { return std::shared_ptr<Record>(new Note()); }};
    return entity;
  }

  static std::shared_ptr<Note> make(std::string title, Date created = Date(),
                                    std::optional<Bytes> attachment = std::nullopt) {
    std::shared_ptr<Note> note(new Note());
    note->setValue(kId, Uuid::random());
    note->setTitle(std::move(title));
    note->setValue(kCreated, created);
    note->setValue(kAttachment, std::move(attachment));
    return note;
  }

  const Uuid& id() const { return uuidValue(kId); }
  const std::string& title() const { return stringValue(kTitle); }
  void setTitle(std::string title) { setValue(kTitle, std::move(title)); }
  Date created() const { return dateValue(kCreated); }
  std::int64_t count() const { return integerValue(kCount); }
  bool pinned() const { return booleanValue(kPinned); }
  const std::optional<Bytes>& attachment() const { return bytesValue(kAttachment); }
  void setAttachment(std::optional<Bytes> bytes) { setValue(kAttachment, std::move(bytes)); }

 private:
  Note() : Record(entityDescription()) {}
};

class Tag final : public Record {
 public:
  static const Entity& entityDescription() {
    static const Entity entity{"Tag",
                               {{"id", AttributeType::uuid}, {"label", AttributeType::string}},
                               [] { return std::shared_ptr<Record>(new Tag()); }};
    return entity;
  }
  static std::shared_ptr<Tag> make(std::string label) {
    std::shared_ptr<Tag> tag(new Tag());
    tag->setValue(0, Uuid::random());
    tag->setValue(1, std::move(label));
    return tag;
  }
  const std::string& label() const { return stringValue(1); }

 private:
  Tag() : Record(entityDescription()) {}
};

inline std::vector<const Entity*> noteSchema() {
  return {&Note::entityDescription(), &Tag::entityDescription()};
}

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
