#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/ui/View.hpp"

namespace platform::ui {

// State that belongs to the rows of a list, kept by each row's key (a record's id): a row's
// state leaves with the row, so a row that comes back, or a new record that happens to stand in
// the same place, starts afresh.
template <class T>
class RowState {
 public:
  RowState() : rows_(std::make_shared<Rows>()) {}
  RowState(const RowState&) = delete;
  RowState& operator=(const RowState&) = delete;

  // The state of the row with `key`; a default T for a row that has none.
  const T& operator[](const std::string& key) const {
    static const T none{};
    auto it = rows_->find(key);
    return it == rows_->end() ? none : it->second;
  }
  // From handlers and steps only.
  void set(const std::string& key, T value) { (*rows_)[key] = std::move(value); }
  void erase(const std::string& key) { rows_->erase(key); }
  // Every row starts afresh (the rows were given a new identity).
  void reset() { rows_->clear(); }
  std::size_t size() const { return rows_->size(); }

  // `row` with its state tied to it: once the row has left the tree, its state is dropped.
  View track(View row, const std::string& key) const {
    return std::move(row).onDisappear([weak = std::weak_ptr<Rows>(rows_), key] {
      if (auto rows = weak.lock()) rows->erase(key);
    });
  }

 private:
  using Rows = std::map<std::string, T, std::less<>>;
  std::shared_ptr<Rows> rows_;
};

}  // namespace platform::ui
