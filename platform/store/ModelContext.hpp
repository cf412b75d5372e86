#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/foundation/Log.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/foundation/Result.hpp"
#include "platform/store/Entity.hpp"
#include "platform/store/LiveQuery.hpp"
#include "platform/store/Record.hpp"
#include "platform/store/SortDescriptor.hpp"
#include "platform/store/Table.hpp"

namespace platform::store {

// The store context: the one place where records are inserted, deleted, fetched and saved. It
// keeps a single Record per stored row for as long as it lives, so identity is pointer identity.
//
// Changes are held in memory until saved. Saving happens three ways: save() when a caller wants
// to know the outcome; automatically, half a second after the first unsaved change (a failure is
// logged once and retried after the next change, callers never hear of it); and saveNow(), which
// flushes at once the way the automatic save would (shutdown, the last display hiding). Each
// save is one SQLite transaction. Dropping the context does not save: what was not saved is lost,
// as when the process is killed.
//
// Main thread only.
class ModelContext {
 public:
  ModelContext(std::vector<std::pair<const Entity*, Table>> tables, MainQueue& queue);
  ~ModelContext();
  ModelContext(const ModelContext&) = delete;
  ModelContext& operator=(const ModelContext&) = delete;

  // Takes in a new record (one that no context holds yet); anything else is ignored.
  void insert(const std::shared_ptr<Record>& record);
  // Deletes a record of this context; the object stays valid but leaves every query.
  void remove(const std::shared_ptr<Record>& record);

  Result<void> save();
  void saveNow();
  bool hasChanges() const;

  // Every record of the entity (unsaved insertions included, deletions left out), in store order
  // unless sorted.
  Result<std::vector<std::shared_ptr<Record>>> fetch(
      const Entity& entity, const std::optional<SortDescriptor>& sort = {});
  Result<std::size_t> count(const Entity& entity);

  template <class T>
  Result<std::vector<std::shared_ptr<T>>> fetch(const std::optional<SortDescriptor>& sort = {});
  template <class T>
  Result<std::size_t> count() {
    return count(T::entityDescription());
  }
  // A live query over T; its results are filled at once. A failing fetch leaves them empty and
  // is logged.
  template <class T>
  LiveQuery<T> liveQuery(std::optional<SortDescriptor> sort = {});

  // How many times bytes were read from the store on their own (for tests and benchmarks).
  std::size_t bytesLoadCount() const { return bytesLoadCount_; }

 private:
  friend class Record;

  struct EntityState {
    const Entity* entity;
    Table table;
    bool loaded = false;
    // Live records in store order.
    std::vector<std::shared_ptr<Record>> records;
    std::vector<std::weak_ptr<detail::LiveQueryState>> queries;
  };

  EntityState* stateFor(const Entity& entity);
  Result<void> ensureLoaded(EntityState& state);
  void recordDidChange(Record& record, std::size_t attribute);
  void loadBytes(Record& record, std::size_t attribute);
  void noteChange(EntityState& state);
  void scheduleAutosave();
  void deliverChanges();
  void registerQuery(const Entity& entity, const std::shared_ptr<detail::LiveQueryState>& query);
  Result<void> write();

  MainQueue& queue_;
  std::vector<EntityState> entities_;
  std::vector<std::shared_ptr<Record>> inserted_;
  std::vector<std::shared_ptr<Record>> updated_;
  std::vector<std::shared_ptr<Record>> deleted_;
  std::uint64_t nextInsertSequence_ = 1;
  Cancellable autosave_;
  bool autosaveScheduled_ = false;
  bool deliveryPending_ = false;
  bool autosaveFailing_ = false;
  std::size_t bytesLoadCount_ = 0;
  // Steps queued on the main queue hold this weakly, so they do nothing once the context is gone.
  std::shared_ptr<ModelContext*> lifeline_;
};

template <class T>
Result<std::vector<std::shared_ptr<T>>> ModelContext::fetch(
    const std::optional<SortDescriptor>& sort) {
  auto records = fetch(T::entityDescription(), sort);
  if (!records) return records.error();
  std::vector<std::shared_ptr<T>> typed;
  typed.reserve(records->size());
  for (auto& record : *records) typed.push_back(std::static_pointer_cast<T>(std::move(record)));
  return typed;
}

template <class T>
LiveQuery<T> ModelContext::liveQuery(std::optional<SortDescriptor> sort) {
  auto state = std::make_shared<detail::TypedLiveQueryState<T>>();
  state->sort = std::move(sort);
  state->refresh(*this);
  registerQuery(T::entityDescription(), state);
  return LiveQuery<T>(std::move(state));
}

template <class T>
void detail::TypedLiveQueryState<T>::refresh(ModelContext& context) {
  auto fetched = context.fetch<T>(sort);
  if (fetched)
    results = std::move(*fetched);
  else
    logLine("Store: a live query failed: " + fetched.error().description);
}

}  // namespace platform::store
