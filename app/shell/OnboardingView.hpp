#pragma once

#include <vector>

#include "app/shell/AppEntryManager.hpp"
#include "app/shell/BackgroundView.hpp"
#include "app/shell/VerdeoOnboardingModel.hpp"
#include "app/shell/VerdeoStorytellingView.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The first-launch pages over the animated backdrop: the welcome page with "Start tracking",
// then six typed sentences. Finishing the last one records that onboarding is complete.
class OnboardingView {
 public:
  OnboardingView(const platform::ui::Environment& environment,
                 platform::ui::Binding<bool> showOnboarding, AppEntryManager& appEntryManager,
                 std::vector<VerdeoOnboardingModel> pages);

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

  const platform::ui::Environment* environment_;
  BackgroundView background_;
  // Rebuilt from scratch for every page, so its typing starts again.
  platform::ui::ScreenSlot<VerdeoStorytellingView> storytelling_;
};

}  // namespace verdeo
