#include "app/shell/VerdeoApp.hpp"

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

VerdeoApp::VerdeoApp(const AppEnvironment& environment)
    : env_(environment), onboarding_(environment.runtime), contentView_(environment) {
  if (!env_.appEntryManager.showOnboarding()) return;
  const AppEnvironment& env = env_;
  // A change of the flag carries the default animation, so finishing cross-fades into the tabs.
  Binding<bool> showOnboarding([&env] { return env.appEntryManager.showOnboarding(); },
                               [&env](bool show) {
                                 env.withAnimation(Animation::standard(), [&] {
                                   env.appEntryManager.setShowOnboarding(show);
                                 });
                               });
  onboarding_.present(env_, std::move(showOnboarding), onboardingPages());
}

View VerdeoApp::body() const {
  if (env_.appEntryManager.showOnboarding() && onboarding_)
    return onboarding_->body()
        .transition(Transition::opacity)
        .onDisappear(onboarding_.dismissAction())
        .id("onboarding");
  return contentView_.body()
      .preferredColorScheme(ColorScheme::dark)
      .transition(Transition::opacity)
      .id("tabs");
}

}  // namespace verdeo
