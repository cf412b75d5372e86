#pragma once

#include "app/care/ActivitiesView.hpp"
#include "app/expert/screens/ExpertView.hpp"
#include "app/shell/base/AppEnvironment.hpp"
#include "app/shell/base/PlaceholderView.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The tab shell: "Activities", "Plants" and "Expert", each the root of its own navigation stack.
class ContentView {
 public:
  explicit ContentView(const AppEnvironment& environment);
  ContentView(const ContentView&) = delete;
  ContentView& operator=(const ContentView&) = delete;

  int selectedTab = 0;  // not persisted: every launch starts on "Activities"

  platform::ui::View body() const;
  void selectTab(int tab);

  ActivitiesView& activities() { return activities_; }

 private:
  const AppEnvironment& env_;
  ActivitiesView activities_;
  // The plants tab has its screens to come; until then it is a stack whose root shows the tab's
  // title.
  PlaceholderView plants_;
  ExpertView expert_;
  platform::ui::NavigationStack<int> plantsStack_;
  platform::ui::NavigationStack<int> expertStack_;
};

}  // namespace verdeo
