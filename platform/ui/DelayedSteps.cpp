#include "platform/ui/DelayedSteps.hpp"

#include <algorithm>

namespace platform::ui {

Cancellable DelayedSteps::after(double seconds, Task step) {
  // Finished and cancelled steps are dropped here, so a screen that schedules for a long time
  // does not pile them up.
  std::erase_if(steps_, [](const Cancellable& c) { return !c.isActive(); });
  Cancellable handle = queue_->asyncAfter(seconds, std::move(step));
  steps_.push_back(handle);
  return handle;
}

void DelayedSteps::cancelAll() {
  for (const Cancellable& step : steps_) step.cancel();
  steps_.clear();
}

}  // namespace platform::ui
