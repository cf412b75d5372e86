#include "app/shell/ContentView.hpp"

#include "app/shell/ColorFromHex.hpp"
#include "app/shell/Palette.hpp"
#include "platform/ui/NavigationStack.hpp"
#include "platform/ui/TabView.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

namespace {
// A tab whose screen has not been built yet: its navigation title alone.
View titledPage(const char* title) {
  return navigationStackNode(
      View(colorFromHex(palette::nightBackground)).ignoresSafeArea().navigationTitle(title), {},
      [](std::size_t) {});
}
}  // namespace

void ContentView::selectTab(int tab) {
  if (tab == selectedTab) return;
  environment_->ui.haptics.impact(ImpactStyle::light);
  selectedTab = tab;
}

View ContentView::body() const {
  Binding<int> selection([this] { return selectedTab; },
                         action(this, [](ContentView& s, int tab) { s.selectTab(tab); }));
  return TabView(std::move(selection),
                 {
                     {"Activities", "menucard.fill", titledPage("Activities")},
                     {"Plants", "leaf.fill", titledPage("Plants")},
                     {"Expert", "brain.fill", titledPage("Expert")},
                 },
                 colorFromHex(palette::brandGreen));
}

}  // namespace verdeo
