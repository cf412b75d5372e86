#pragma once

#include <vector>

#include "app/shell/base/AppEntryManager.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "app/shell/base/BackgroundView.hpp"
#include "app/shell/VerdeoOnboardingModel.hpp"
#include "app/shell/VerdeoStorytellingView.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The first-launch pages over the animated backdrop: the welcome page with "Start tracking",
// then six typed sentences. Finishing the last one records that onboarding is complete.
class OnboardingView {
 public:
  OnboardingView(const AppEnvironment& environment, platform::ui::Binding<bool> showOnboarding,
                 std::vector<VerdeoOnboardingModel> pages);
  OnboardingView(const OnboardingView&) = delete;
  OnboardingView& operator=(const OnboardingView&) = delete;

  platform::ui::Binding<bool> showOnboarding;
  AppEntryManager& appEntryManager;
  int selectedTab = 0;
  std::vector<VerdeoOnboardingModel> pages;

  platform::ui::View body() const;
  void nextPage();

  // The storytelling page on screen, if any (tests drive it).
  VerdeoStorytellingView* storytellingPage() const { return storytelling_.get(); }

 private:
  void showPage(int index);
  platform::ui::View page() const;
  platform::ui::View startTrackingButton() const;

  const AppEnvironment& env_;
  BackgroundView background_;
  // Built afresh for every page, so its typing starts again.
  platform::ui::ScreenSlot<VerdeoStorytellingView> storytelling_;
};

}  // namespace verdeo
