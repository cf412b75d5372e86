#include "platform/ui/ScreenScope.hpp"

#include <algorithm>

namespace platform::ui {

ScreenScope::ScreenScope(MainQueue& queue) : queue_(queue), alive_(std::make_shared<bool>(true)) {}

ScreenScope::~ScreenScope() {
  cancelSteps();
}

Cancellable ScreenScope::after(double seconds, Task step) {
  // Steps that ran or were cancelled are dropped here, so a screen that schedules for a long time
  // does not pile them up.
  std::erase_if(steps_, [](const Cancellable& c) { return !c.isActive(); });
  Cancellable handle = queue_.asyncAfter(seconds, std::move(step));
  steps_.push_back(handle);
  return handle;
}

void ScreenScope::cancelSteps() {
  for (const Cancellable& step : steps_) step.cancel();
  steps_.clear();
}

void ScreenScope::observe(NotificationCenter& center, std::string name, Task block) {
  observations_.push_back(center.addObserver(std::move(name), callback(std::move(block))));
}

}  // namespace platform::ui
