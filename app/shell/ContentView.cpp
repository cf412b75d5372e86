#include "app/shell/ContentView.hpp"

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "platform/ui/TabView.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {
AnyScreen nowhere(int, const Navigator<int>&) {
  return {};
}
}  // namespace

ContentView::ContentView(const AppEnvironment& environment)
    : env_(environment),
      activities_(environment),
      plants_(environment, "Plants"),
      expert_(environment),
      plantsStack_(environment.runtime, nowhere),
      expertStack_(environment.runtime, nowhere) {}

void ContentView::selectTab(int tab) {
  if (tab == selectedTab) return;
  env_.haptics.impact(ImpactStyle::light);
  selectedTab = tab;
}

View ContentView::body() const {
  Binding<int> selection([this] { return selectedTab; },
                         action(this, [](ContentView& s, int tab) { s.selectTab(tab); }));
  return TabView(std::move(selection),
                 {
                     {"Activities", "menucard.fill", activities_.body()},
                     {"Plants", "leaf.fill",
                      plantsStack_.view(
                          plants_.body().navigationBarTitleDisplayMode(TitleDisplayMode::large))},
                     {"Expert", "brain.fill", expertStack_.view(expert_.body())},
                 },
                 colorFromHex(palette::brandGreen));
}

}  // namespace verdeo
