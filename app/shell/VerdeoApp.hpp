#pragma once

#include "app/shell/AppEntryManager.hpp"
#include "app/shell/AppEnvironment.hpp"
#include "app/shell/ContentView.hpp"
#include "app/shell/OnboardingView.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The root of the window: the onboarding pages on a first launch, the tab shell otherwise.
// Finishing onboarding cross-fades into the tabs; nothing else happens at launch.
class VerdeoApp {
 public:
  explicit VerdeoApp(const AppEnvironment& environment);

  platform::ui::View body() const;

  AppEntryManager& appEntryManager() { return appEntryManager_; }
  OnboardingView* onboarding() const { return onboarding_.get(); }
  ContentView& contentView() { return contentView_; }

 private:
  platform::ui::Binding<bool> showOnboarding() const;

  const AppEnvironment* environment_;
  AppEntryManager appEntryManager_;
  platform::ui::ScreenSlot<OnboardingView> onboarding_;
  ContentView contentView_;
};

}  // namespace verdeo
