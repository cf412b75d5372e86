#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "platform/foundation/Clock.hpp"
#include "platform/foundation/MainQueue.hpp"

namespace platform {

// A main queue on virtual time for tests: nothing happens until the test runs the queue or
// advances the clock, and "0.5 seconds later" is reached by advance(0.5), not by sleeping.
class VirtualMainQueue final : public MainQueue {
 public:
  explicit VirtualMainQueue(ManualClock& clock) : clock_(clock) {}

  // Runs turns until no task is ready (timers that are not yet due stay pending).
  void runUntilIdle();
  // Moves the clock forward by `seconds`, stopping at each due timer to run it and every task
  // that follows from it, in time order.
  void advance(double seconds);
  // How many delayed steps are waiting for their time.
  std::size_t pendingTimerCount() const { return timers_.size(); }

 protected:
  void wake() override {}
  void scheduleTimer(double seconds, Task fire) override;

 private:
  ManualClock& clock_;
  // Keyed by due time, then by the order of scheduling, so equal times run first-come first.
  std::multimap<std::pair<double, std::uint64_t>, Task> timers_;
  std::uint64_t sequence_ = 0;
};

}  // namespace platform
