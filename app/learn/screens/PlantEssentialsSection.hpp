#pragma once

#include "app/learn/screens/LearnRoute.hpp"
#include "app/learn/screens/PlantEssentialsListView.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/ScreenSlot.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The today screen's section of articles: the first two as cards, and the way to all of them. A
// card opens its page on the stack of the screen that shows the section.
class PlantEssentialsSection {
 public:
  PlantEssentialsSection(const AppEnvironment& environment,
                         platform::ui::Navigator<LearnRoute> navigator);
  PlantEssentialsSection(const PlantEssentialsSection&) = delete;
  PlantEssentialsSection& operator=(const PlantEssentialsSection&) = delete;

  platform::ui::View body() const;

  bool showingAllPlantEssentials() const { return allPlantEssentials_.isPresented(); }

 private:
  const AppEnvironment& env_;
  platform::ui::Navigator<LearnRoute> navigator_;
  platform::ui::ScreenSlot<PlantEssentialsListView> allPlantEssentials_;
};

}  // namespace verdeo
