#pragma once

#include "platform/foundation/Date.hpp"

namespace platform {

// The one source of "now". Everything that asks for the current moment is given a Clock, so
// tests can pin and advance time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date now() const = 0;
};

class SystemClock final : public Clock {
 public:
  Date now() const override;
};

// A clock that stands still until told to move; used by tests and the virtual main queue.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(Date start = Date::fromUnixSeconds(1'767'225'600.0)) : now_(start) {}
  Date now() const override { return now_; }
  void set(Date date) { now_ = date; }
  void advance(double seconds) { now_ = now_.addingSeconds(seconds); }

 private:
  Date now_;
};

}  // namespace platform
