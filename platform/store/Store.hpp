#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/foundation/MainQueue.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/store/Entity.hpp"
#include "platform/store/ModelContext.hpp"

struct sqlite3;

namespace platform::store {

// The object store: one SQLite file holding one table per entity, opened for the life of the
// process, with the one context through which everything is read and written.
class Store {
 public:
  // Opens (or creates, with its parent folders) the store at `path` for `entities`. A file that
  // is not a usable store (not a database, unreadable, read-only, or with a table lacking one of
  // the entity's columns) is reported and left exactly as it was.
  static Result<std::unique_ptr<Store>> open(const std::filesystem::path& path,
                                             const std::vector<const Entity*>& entities,
                                             MainQueue& queue);
  ~Store();
  Store(const Store&) = delete;
  Store& operator=(const Store&) = delete;

  ModelContext& mainContext() { return *context_; }
  const std::filesystem::path& path() const { return path_; }

  // Caps the file at `pages` database pages for the life of this connection, so a save that
  // would grow it fails as on a full disk. Tests use it to make saving fail for real.
  Result<void> limitPageCount(std::int64_t pages);
  // The number of pages the file holds now.
  Result<std::int64_t> pageCount();

 private:
  struct CloseConnection {
    void operator()(sqlite3* db) const;
  };

  Store() = default;

  std::filesystem::path path_;
  // Declared first so that it closes last, after the statements that the context holds.
  std::unique_ptr<sqlite3, CloseConnection> db_;
  std::unique_ptr<ModelContext> context_;
};

}  // namespace platform::store
