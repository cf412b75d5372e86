#include "platform/foundation/Clock.hpp"

#include <chrono>

namespace platform {

Date SystemClock::now() const {
  using namespace std::chrono;
  auto since = duration_cast<duration<double>>(system_clock::now().time_since_epoch());
  return Date::fromUnixSeconds(since.count());
}

}  // namespace platform
