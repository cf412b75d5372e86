#pragma once

#include <functional>
#include <string>

#include "platform/foundation/Clock.hpp"
#include "platform/foundation/CurrentCalendar.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/ui/Haptics.hpp"
#include "platform/ui/LocalTime.hpp"
#include "platform/ui/Runtime.hpp"

namespace platform::ui {

// What the platform hands every screen: passed down explicitly, never reached through a global.
// The application's environment extends this one with its own services.
struct Environment {
  MainQueue& mainQueue;
  const Clock& clock;
  Runtime& runtime;
  Haptics& haptics;
  const LocalTime& localTime;
  const CurrentCalendar& currentCalendar;

  // The user's calendar and time zone as they are now; ask again for every computation rather
  // than keeping it, since the zone can change while the app runs.
  const Calendar& calendar() const { return currentCalendar.get(); }
  void withAnimation(const Animation& animation, const std::function<void()>& change) const {
    runtime.withAnimation(animation, change);
  }
  void openURL(const std::string& url) const { runtime.openURL(url); }
};

}  // namespace platform::ui
