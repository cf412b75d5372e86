#pragma once

#include <functional>
#include <string>

#include "platform/foundation/Clock.hpp"
#include "platform/foundation/MainQueue.hpp"
#include "platform/ui/Haptics.hpp"
#include "platform/ui/LocalTime.hpp"
#include "platform/ui/Runtime.hpp"

namespace platform::ui {

// What the platform hands every screen: passed down explicitly, never reached through a global.
// The application derives its own environment from this one and adds its services.
struct Environment {
  MainQueue& mainQueue;
  const Clock& clock;
  Runtime& runtime;
  Haptics& haptics;
  const LocalTime& localTime;

  void withAnimation(const Animation& animation, const std::function<void()>& change) const {
    runtime.withAnimation(animation, change);
  }
  void openURL(const std::string& url) const { runtime.openURL(url); }
};

}  // namespace platform::ui
