#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/store/SortDescriptor.hpp"

namespace platform::store {

class ModelContext;
class Record;

namespace detail {

// What a context keeps of a live query: it marks the query stale on a change of its entity and
// refreshes it on the next main-queue turn.
class LiveQueryState {
 public:
  virtual ~LiveQueryState() = default;
  virtual void refresh(ModelContext& context) = 0;

  std::optional<SortDescriptor> sort;
  std::function<void()> onChange;
  bool stale = false;
};

template <class T>
class TypedLiveQueryState final : public LiveQueryState {
 public:
  void refresh(ModelContext& context) override;
  std::vector<std::shared_ptr<T>> results;
};

}  // namespace detail

// The records of one entity, kept current: after any insert, change or delete of that entity the
// results are recomputed and `onChange` runs, at most once per main-queue turn however many
// changes the turn made. Copies of the handle share one query, which stops when the last copy is
// dropped.
template <class T>
class LiveQuery {
 public:
  LiveQuery() = default;

  const std::vector<std::shared_ptr<T>>& results() const& {
    static const std::vector<std::shared_ptr<T>> none;
    return state_ ? state_->results : none;
  }
  // A query made only to be read once (in a range-for, say) hands out a copy rather than a
  // reference that would outlive it.
  std::vector<std::shared_ptr<T>> results() && {
    return state_ ? state_->results : std::vector<std::shared_ptr<T>>{};
  }
  // Runs after the results were recomputed; replaces any earlier callback.
  void onChange(std::function<void()> callback) {
    if (state_) state_->onChange = std::move(callback);
  }
  bool isActive() const { return state_ != nullptr; }

 private:
  friend class ModelContext;
  explicit LiveQuery(std::shared_ptr<detail::TypedLiveQueryState<T>> state)
      : state_(std::move(state)) {}
  std::shared_ptr<detail::TypedLiveQueryState<T>> state_;
};

}  // namespace platform::store
