#include "platform/foundation/MainQueue.hpp"

namespace platform {

void MainQueue::async(Task task) {
  bool wasEmpty;
  {
    std::lock_guard lock(mutex_);
    wasEmpty = ready_.empty();
    ready_.push_back(std::move(task));
  }
  if (wasEmpty) wake();
}

Cancellable MainQueue::asyncAfter(double seconds, Task task) {
  auto flag = std::make_shared<bool>(false);
  scheduleTimer(seconds < 0 ? 0 : seconds, [this, flag, task = std::move(task)]() mutable {
    if (*flag) return;
    async([flag, task = std::move(task)] {
      if (!*flag) task();
    });
  });
  return Cancellable(flag);
}

void MainQueue::addStartOfTurnObserver(Task observer) {
  std::lock_guard lock(mutex_);
  startOfTurnObservers_.push_back(std::move(observer));
}

void MainQueue::addEndOfTurnObserver(Task observer) {
  std::lock_guard lock(mutex_);
  endOfTurnObservers_.push_back(std::move(observer));
}

bool MainQueue::hasReadyTasks() const {
  std::lock_guard lock(mutex_);
  return !ready_.empty();
}

bool MainQueue::runTurn() {
  std::vector<Task> turn;
  {
    std::lock_guard lock(mutex_);
    turn.swap(ready_);
  }
  if (turn.empty()) return false;
  auto observers = [this](const std::vector<Task>& list) {
    std::lock_guard lock(mutex_);
    return list;
  };
  for (auto& observer : observers(startOfTurnObservers_)) observer();
  for (auto& task : turn) {
    ++tasksStarted_;
    task();
  }
  for (auto& observer : observers(endOfTurnObservers_)) observer();
  return true;
}

}  // namespace platform
