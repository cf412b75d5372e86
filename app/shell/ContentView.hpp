#pragma once

#include "app/shell/AppEnvironment.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The tab shell: "Activities", "Plants" and "Expert", each the root of its own navigation stack.
class ContentView {
 public:
  explicit ContentView(const AppEnvironment& environment) : environment_(&environment) {}

  int selectedTab = 0;  // not persisted: every launch starts on "Activities"

  platform::ui::View body() const;
  void selectTab(int tab);

 private:
  const AppEnvironment* environment_;
};

}  // namespace verdeo
