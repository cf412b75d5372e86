#include "app/shell/OnboardingView.hpp"

#include <string>

#include "app/shell/base/ColorFromHex.hpp"
#include "app/shell/base/Palette.hpp"
#include "app/shell/VerdeoWelcomeView.hpp"
#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

OnboardingView::OnboardingView(const AppEnvironment& environment, Binding<bool> show,
                               std::vector<VerdeoOnboardingModel> allPages)
    : showOnboarding(std::move(show)),
      appEntryManager(environment.appEntryManager),
      pages(std::move(allPages)),
      env_(environment),
      background_(environment),
      storytelling_(environment.runtime) {}

void OnboardingView::nextPage() {
  if (selectedTab < static_cast<int>(pages.size()) - 1) {
    env_.withAnimation(Animation::easeInOut(0.3), [this] { showPage(selectedTab + 1); });
    return;
  }
  showOnboarding.set(false);
  appEntryManager.setHasCompletedOnboarding(true);
  appEntryManager.setShowOnboarding(false);
}

void OnboardingView::showPage(int index) {
  selectedTab = index;
  storytelling_.dismiss();
  if (index >= 1 && index < static_cast<int>(pages.size()))
    storytelling_.present(env_, pages[static_cast<std::size_t>(index)], [this] { nextPage(); });
}

View OnboardingView::page() const {
  View content;
  if (selectedTab == 0 && !pages.empty())
    content = VerdeoWelcomeView{pages[0]}.body();
  else if (storytelling_)
    content = storytelling_->body();
  // The index is the page's identity: a new page slides in from the trailing edge.
  return std::move(content)
      .transition(Transition::slide, Animation::easeInOut(0.3))
      .id("page-" + std::to_string(selectedTab));
}

View OnboardingView::startTrackingButton() const {
  auto label = Text("Start tracking")
                   .font(Font::system(18, FontWeight::semibold))
                   .foregroundColor(Color::white)
                   .padding(Edge::vertical, 16)
                   .frame({.maxWidth = infinity})
                   .background(Gradient::linear(
                       {colorFromHex(palette::brandGreen), colorFromHex(palette::deepGreen)},
                       UnitPoint::top(), UnitPoint::bottom()))
                   .clipShape(Shape::roundedRect(80, CornerStyle::continuous));
  return Button(std::move(label), action(this,
                                         [](OnboardingView& s) {
                                           s.env_.haptics.impact(ImpactStyle::medium);
                                           s.nextPage();
                                         }))
      .buttonStyle(ButtonStyle::plain)
      .padding(Edge::horizontal);
}

View OnboardingView::body() const {
  return ZStack({
      background_.body(),
      VStack({.alignment = HorizontalAlignment::center, .spacing = 24},
             {
                 page().frame({.maxWidth = infinity, .maxHeight = infinity}),
                 selectedTab == 0 ? startTrackingButton() : EmptyView(),
             })
          .padding(20),
  });
}

}  // namespace verdeo
