#pragma once

#include "app/learn/screens/LearnRoute.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The sheet of all articles, in library order; a row opens its page inside the sheet.
class PlantEssentialsListView {
 public:
  PlantEssentialsListView(const AppEnvironment& environment, platform::ui::Action dismiss);
  PlantEssentialsListView(const PlantEssentialsListView&) = delete;
  PlantEssentialsListView& operator=(const PlantEssentialsListView&) = delete;

  platform::ui::View body() const;

  platform::ui::NavigationStack<LearnRoute> navigationPath;

 private:
  platform::ui::Action dismiss_;
};

}  // namespace verdeo
