#include "app/shell/base/AppEntryManager.hpp"

#include "platform/foundation/Log.hpp"

namespace verdeo {

AppEntryManager::AppEntryManager(platform::UserDefaults& defaults) : defaults_(defaults) {
  showOnboarding_ = true;
  showOnboarding_ = !hasCompletedOnboarding();
}

bool AppEntryManager::hasCompletedOnboarding() const {
  return defaults_.boolForKey(kHasCompletedOnboardingKey);
}

void AppEntryManager::setHasCompletedOnboarding(bool value) {
  if (auto written = defaults_.set(kHasCompletedOnboardingKey, value); !written)
    platform::logLine("Could not save hasCompletedOnboarding: " + written.error().description);
}

}  // namespace verdeo
