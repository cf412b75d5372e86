#pragma once

#include "app/learn/screens/ChallengesListView.hpp"
#include "app/learn/screens/LearnRoute.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The today screen's section of challenges: the first two as cards, and the way to all of them. A
// card opens its page on the stack of the screen that shows the section.
class ChallengesSection {
 public:
  ChallengesSection(const AppEnvironment& environment,
                    platform::ui::Navigator<LearnRoute> navigator);
  ChallengesSection(const ChallengesSection&) = delete;
  ChallengesSection& operator=(const ChallengesSection&) = delete;

  platform::ui::View body() const;

  bool showingAllChallenges() const { return allChallenges_.isPresented(); }

 private:
  const AppEnvironment& env_;
  platform::ui::Navigator<LearnRoute> navigator_;
  platform::ui::ScreenSlot<ChallengesListView> allChallenges_;
};

}  // namespace verdeo
