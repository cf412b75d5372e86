#pragma once

#include "app/shell/base/AppEnvironment.hpp"
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
  VerdeoApp(const VerdeoApp&) = delete;
  VerdeoApp& operator=(const VerdeoApp&) = delete;

  platform::ui::View body() const;

  OnboardingView* onboarding() const { return onboarding_.get(); }
  ContentView& contentView() { return contentView_; }

 private:
  const AppEnvironment& env_;
  // Presented on a first launch; let go once the pages have faded out.
  platform::ui::ScreenSlot<OnboardingView> onboarding_;
  ContentView contentView_;
};

}  // namespace verdeo
