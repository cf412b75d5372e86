#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

using Task = std::function<void()>;

// A handle on a delayed step: cancelling it makes the step do nothing when its time comes.
// Copies share the same step. Destroying the handle does not cancel.
class Cancellable {
 public:
  Cancellable() = default;
  void cancel() const {
    if (cancelled_) *cancelled_ = true;
  }
  bool isCancelled() const { return !cancelled_ || *cancelled_; }
  bool isActive() const { return cancelled_ && !*cancelled_; }

 private:
  friend class MainQueue;
  explicit Cancellable(std::shared_ptr<bool> flag) : cancelled_(std::move(flag)) {}
  std::shared_ptr<bool> cancelled_;
};

// The main queue: the one thread on which all application work runs. Work is done in turns: a
// turn runs every task that is ready when it starts, in the order they were queued, and then
// tells the end-of-turn observers (the user-interface runtime re-renders there, once per turn).
//
// async() may be called from any thread; everything else belongs to the main thread.
class MainQueue {
 public:
  virtual ~MainQueue() = default;

  // Runs `task` on a later turn.
  void async(Task task);
  // Runs `task` on the main queue `seconds` after now, unless cancelled first.
  Cancellable asyncAfter(double seconds, Task task);

  // Called before and after every turn that runs at least one task. Observers are never removed.
  void addStartOfTurnObserver(Task observer);
  void addEndOfTurnObserver(Task observer);

  // How many tasks have started so far; lets a task tell whether anything ran since a moment
  // it remembered (the counter includes the task asking).
  std::uint64_t tasksStarted() const { return tasksStarted_; }

 protected:
  // Implementations wake the loop so that runTurn() is called soon.
  virtual void wake() = 0;
  // Implementations call `fire` on the main thread once `seconds` have passed.
  virtual void scheduleTimer(double seconds, Task fire) = 0;
  // Runs one turn; answers whether any task ran.
  bool runTurn();
  bool hasReadyTasks() const;

 private:
  mutable std::mutex mutex_;
  std::vector<Task> ready_;
  std::vector<Task> startOfTurnObservers_;
  std::vector<Task> endOfTurnObservers_;
  std::uint64_t tasksStarted_ = 0;
};

}  // namespace platform
