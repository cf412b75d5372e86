#pragma once

#include "platform/defaults/UserDefaults.hpp"

namespace verdeo {

// The first-launch flag holder, made once per process. `showOnboarding` lives in memory and
// decides what the window shows; `hasCompletedOnboarding` lives in the standard defaults.
class AppEntryManager {
 public:
  static constexpr const char* kHasCompletedOnboardingKey = "hasCompletedOnboarding";

  explicit AppEntryManager(platform::UserDefaults& defaults);

  bool showOnboarding() const { return showOnboarding_; }
  void setShowOnboarding(bool value) { showOnboarding_ = value; }

  bool hasCompletedOnboarding() const;
  // Written to the defaults at once.
  void setHasCompletedOnboarding(bool value);

 private:
  platform::UserDefaults& defaults_;
  bool showOnboarding_ = true;
};

}  // namespace verdeo
