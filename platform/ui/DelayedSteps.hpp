#pragma once

#include <vector>

#include "platform/foundation/MainQueue.hpp"

namespace platform::ui {

// Delayed steps that belong to one screen: they are all cancelled when the screen goes away, so
// a step never runs on a screen that no longer exists.
class DelayedSteps {
 public:
  explicit DelayedSteps(MainQueue& queue) : queue_(&queue) {}
  ~DelayedSteps() { cancelAll(); }
  DelayedSteps(const DelayedSteps&) = delete;
  DelayedSteps& operator=(const DelayedSteps&) = delete;

  Cancellable after(double seconds, Task step);
  void cancelAll();

 private:
  MainQueue* queue_;
  std::vector<Cancellable> steps_;
};

}  // namespace platform::ui
