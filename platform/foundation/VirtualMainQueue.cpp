#include "platform/foundation/VirtualMainQueue.hpp"

namespace platform {

void VirtualMainQueue::scheduleTimer(double seconds, Task fire) {
  double due = clock_.now().referenceSeconds() + seconds;
  timers_.emplace(std::make_pair(due, sequence_++), std::move(fire));
}

void VirtualMainQueue::runUntilIdle() {
  while (runTurn()) {
  }
}

void VirtualMainQueue::advance(double seconds) {
  runUntilIdle();
  // A small tolerance keeps 20 steps of 0.05 s from missing the last one to rounding.
  const double end = clock_.now().referenceSeconds() + seconds + 1e-9;
  while (!timers_.empty() && timers_.begin()->first.first <= end) {
    auto node = timers_.extract(timers_.begin());
    double due = node.key().first;
    if (due > clock_.now().referenceSeconds()) clock_.set(Date::fromReferenceSeconds(due));
    node.mapped()();
    runUntilIdle();
  }
  if (end - 1e-9 > clock_.now().referenceSeconds())
    clock_.set(Date::fromReferenceSeconds(end - 1e-9));
}

}  // namespace platform
