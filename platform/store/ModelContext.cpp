#include "platform/store/ModelContext.hpp"

#include <sqlite3.h>

#include <algorithm>
#include <cassert>
#include <string>
#include <unordered_set>

#include "platform/foundation/Log.hpp"

namespace platform::store {
namespace {

constexpr double kAutosaveDelaySeconds = 0.5;

// Store order: saved rows by rowid, then unsaved insertions in the order they were made. Saving
// keeps this order, since SQLite gives each new row a rowid above every existing one.
bool precedesInStoreOrder(std::int64_t rowidA, std::uint64_t sequenceA, std::int64_t rowidB,
                          std::uint64_t sequenceB) {
  if ((rowidA != 0) != (rowidB != 0)) return rowidA != 0;
  if (rowidA != 0) return rowidA < rowidB;
  return sequenceA < sequenceB;
}

// Negative, zero or positive as a sorts before, with or after b.
int compareValues(const Value& a, const Value& b) {
  switch (static_cast<AttributeType>(a.index())) {
    case AttributeType::uuid: {
      const auto& x = std::get<Uuid>(a).bytes();
      const auto& y = std::get<Uuid>(b).bytes();
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    case AttributeType::string:
      // std::char_traits<char> compares as unsigned bytes, like memcmp and SQLite's BINARY.
      return std::get<std::string>(a).compare(std::get<std::string>(b));
    case AttributeType::date: {
      double x = std::get<Date>(a).referenceSeconds(), y = std::get<Date>(b).referenceSeconds();
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    case AttributeType::integer: {
      auto x = std::get<std::int64_t>(a), y = std::get<std::int64_t>(b);
      return x < y ? -1 : (y < x ? 1 : 0);
    }
    case AttributeType::boolean:
      return int(std::get<bool>(a)) - int(std::get<bool>(b));
    case AttributeType::bytes:
      return 0;
  }
  return 0;
}

class Transaction {
 public:
  explicit Transaction(sqlite3* db) : db_(db) {}
  ~Transaction() {
    if (open_) (void)run("ROLLBACK", false);
  }
  Result<void> begin() { return run("BEGIN IMMEDIATE", true); }
  Result<void> commit() { return run("COMMIT", false); }

 private:
  Result<void> run(const char* sql, bool opens) {
    auto statement = Statement::prepare(db_, sql);
    if (!statement) return statement.error();
    if (statement->step() != SQLITE_DONE) return Error{statement->errorMessage()};
    open_ = opens;
    return {};
  }
  sqlite3* db_;
  bool open_ = false;
};

}  // namespace

ModelContext::ModelContext(std::vector<std::pair<const Entity*, Table>> tables, MainQueue& queue)
    : queue_(queue), lifeline_(std::make_shared<ModelContext*>(this)) {
  entities_.reserve(tables.size());
  for (auto& [entity, table] : tables)
    entities_.push_back(EntityState{entity, std::move(table), false, {}, {}});
}

ModelContext::~ModelContext() {
  autosave_.cancel();
  auto detach = [](const std::shared_ptr<Record>& record) { record->context_ = nullptr; };
  for (auto& state : entities_) std::for_each(state.records.begin(), state.records.end(), detach);
  std::for_each(deleted_.begin(), deleted_.end(), detach);
}

ModelContext::EntityState* ModelContext::stateFor(const Entity& entity) {
  for (auto& state : entities_)
    if (state.entity == &entity) return &state;
  return nullptr;
}

Result<void> ModelContext::ensureLoaded(EntityState& state) {
  if (state.loaded) return {};
  // Rows that this context already holds (saved while an earlier load was failing) keep their
  // object.
  std::unordered_set<std::int64_t> held;
  for (const auto& record : state.records)
    if (record->rowid_ != 0) held.insert(record->rowid_);
  std::vector<std::shared_ptr<Record>> loaded;
  auto rows = state.table.forEachRow([&](Table::Row&& row) {
    if (held.contains(row.rowid)) return;
    auto record = state.entity->make();
    record->values_ = std::move(row.values);
    for (std::size_t i = 0; i < record->flags_.size(); ++i) {
      if (state.entity->attributes[i].type != AttributeType::bytes) continue;
      record->flags_[i].bytesLoaded = false;
      record->flags_[i].hasBytes = row.hasBytes[i];
    }
    record->rowid_ = row.rowid;
    record->state_ = Record::State::persisted;
    record->context_ = this;
    loaded.push_back(std::move(record));
  });
  if (!rows) return rows.error();
  loaded.insert(loaded.end(), state.records.begin(), state.records.end());
  std::stable_sort(loaded.begin(), loaded.end(), [](const auto& a, const auto& b) {
    return precedesInStoreOrder(a->rowid_, a->insertSequence_, b->rowid_, b->insertSequence_);
  });
  state.records = std::move(loaded);
  state.loaded = true;
  return {};
}

void ModelContext::insert(const std::shared_ptr<Record>& record) {
  if (!record || record->state_ != Record::State::detached) return;
  EntityState* state = stateFor(record->entity());
  assert(state && "the record's entity is not in this store's schema");
  if (!state) return;
  if (auto loaded = ensureLoaded(*state); !loaded)
    logLine("Store: cannot load " + state->entity->name + ": " + loaded.error().description);
  record->context_ = this;
  record->state_ = Record::State::inserted;
  record->insertSequence_ = nextInsertSequence_++;
  state->records.push_back(record);
  inserted_.push_back(record);
  noteChange(*state);
}

void ModelContext::remove(const std::shared_ptr<Record>& record) {
  if (!record || record->context_ != this) return;
  if (record->state_ != Record::State::inserted && record->state_ != Record::State::persisted)
    return;
  EntityState* state = stateFor(record->entity());
  if (!state) return;
  std::erase(state->records, record);
  if (record->state_ == Record::State::inserted) {
    std::erase(inserted_, record);
    record->context_ = nullptr;
  } else {
    deleted_.push_back(record);
  }
  record->state_ = Record::State::deleted;
  noteChange(*state);
}

void ModelContext::recordDidChange(Record& record, std::size_t attribute) {
  EntityState* state = stateFor(record.entity());
  if (!state) return;
  if (record.state_ == Record::State::persisted) {
    record.flags_[attribute].dirty = true;
    if (!record.queuedForUpdate_) {
      record.queuedForUpdate_ = true;
      updated_.push_back(record.shared_from_this());
    }
  }
  noteChange(*state);
}

void ModelContext::loadBytes(Record& record, std::size_t attribute) {
  EntityState* state = stateFor(record.entity());
  if (!state) return;
  ++bytesLoadCount_;
  auto bytes = state->table.loadBytes(record.rowid_, attribute);
  if (!bytes) {
    logLine("Store: " + bytes.error().description);
    return;
  }
  record.values_[attribute] = std::move(*bytes);
  record.flags_[attribute].bytesLoaded = true;
}

bool ModelContext::hasChanges() const {
  return !inserted_.empty() || !updated_.empty() || !deleted_.empty();
}

void ModelContext::noteChange(EntityState& state) {
  for (auto& weak : state.queries)
    if (auto query = weak.lock()) query->stale = true;
  if (!deliveryPending_) {
    deliveryPending_ = true;
    queue_.async([weak = std::weak_ptr<ModelContext*>(lifeline_)] {
      if (auto self = weak.lock()) (*self)->deliverChanges();
    });
  }
  scheduleAutosave();
}

void ModelContext::deliverChanges() {
  deliveryPending_ = false;
  for (std::size_t i = 0; i < entities_.size(); ++i) {
    std::erase_if(entities_[i].queries, [](const auto& weak) { return weak.expired(); });
    // A callback may start or drop queries, so walk a copy.
    auto queries = entities_[i].queries;
    for (auto& weak : queries) {
      auto query = weak.lock();
      if (!query || !query->stale) continue;
      query->stale = false;
      query->refresh(*this);
      if (query->onChange) query->onChange();
    }
  }
}

void ModelContext::registerQuery(const Entity& entity,
                                 const std::shared_ptr<detail::LiveQueryState>& query) {
  if (EntityState* state = stateFor(entity)) state->queries.push_back(query);
}

void ModelContext::scheduleAutosave() {
  if (autosaveScheduled_ || !hasChanges()) return;
  autosaveScheduled_ = true;
  autosave_ =
      queue_.asyncAfter(kAutosaveDelaySeconds, [weak = std::weak_ptr<ModelContext*>(lifeline_)] {
        auto self = weak.lock();
        if (!self) return;
        (*self)->autosaveScheduled_ = false;
        (*self)->saveNow();
      });
}

Result<std::vector<std::shared_ptr<Record>>> ModelContext::fetch(
    const Entity& entity, const std::optional<SortDescriptor>& sort) {
  EntityState* state = stateFor(entity);
  if (!state) return Error{"The store has no entity " + entity.name};
  if (auto loaded = ensureLoaded(*state); !loaded) return loaded.error();
  std::vector<std::shared_ptr<Record>> records = state->records;
  if (!sort) return records;
  auto attribute = entity.attributeIndex(sort->attribute);
  if (!attribute)
    return Error{"The entity " + entity.name + " has no attribute " + sort->attribute};
  const bool descending = sort->order == SortOrder::descending;
  std::stable_sort(records.begin(), records.end(), [&](const auto& a, const auto& b) {
    int order = compareValues(a->values_[*attribute], b->values_[*attribute]);
    return descending ? order > 0 : order < 0;
  });
  return records;
}

Result<std::size_t> ModelContext::count(const Entity& entity) {
  EntityState* state = stateFor(entity);
  if (!state) return Error{"The store has no entity " + entity.name};
  if (auto loaded = ensureLoaded(*state); !loaded) return loaded.error();
  return state->records.size();
}

Result<void> ModelContext::save() {
  if (!hasChanges()) return {};
  auto written = write();
  if (!written) return Error{"The store could not be saved: " + written.error().description};
  autosaveFailing_ = false;
  return {};
}

void ModelContext::saveNow() {
  if (!hasChanges()) return;
  auto written = write();
  if (written) {
    autosaveFailing_ = false;
    return;
  }
  if (!autosaveFailing_) logLine("Store: automatic save failed: " + written.error().description);
  autosaveFailing_ = true;
}

Result<void> ModelContext::write() {
  if (entities_.empty()) return {};
  Transaction transaction(entities_.front().table.connection());
  if (auto begun = transaction.begin(); !begun) return begun;

  for (const auto& record : deleted_)
    if (auto removed = stateFor(record->entity())->table.remove(record->rowid_); !removed)
      return removed;

  for (const auto& record : updated_) {
    if (record->state_ != Record::State::persisted) continue;
    Table& table = stateFor(record->entity())->table;
    for (std::size_t i = 0; i < record->flags_.size(); ++i)
      if (record->flags_[i].dirty)
        if (auto updated = table.update(record->rowid_, i, record->values_[i]); !updated)
          return updated;
  }

  // New rowids take effect only once the transaction has committed.
  std::vector<std::int64_t> rowids;
  rowids.reserve(inserted_.size());
  for (const auto& record : inserted_) {
    auto rowid = stateFor(record->entity())->table.insert(record->values_);
    if (!rowid) return rowid.error();
    rowids.push_back(*rowid);
  }

  if (auto committed = transaction.commit(); !committed) return committed;

  for (const auto& record : deleted_) {
    record->rowid_ = 0;
    record->context_ = nullptr;
  }
  for (const auto& record : updated_) {
    record->queuedForUpdate_ = false;
    for (auto& flags : record->flags_) flags.dirty = false;
  }
  for (std::size_t i = 0; i < inserted_.size(); ++i) {
    inserted_[i]->rowid_ = rowids[i];
    inserted_[i]->state_ = Record::State::persisted;
  }
  deleted_.clear();
  updated_.clear();
  inserted_.clear();
  return {};
}

}  // namespace platform::store
