#include "app/shell/VerdeoApp.hpp"

#include "platform/ui/Ui.hpp"

namespace verdeo {

using namespace platform::ui;

VerdeoApp::VerdeoApp(const AppEnvironment& environment)
    : environment_(&environment),
      appEntryManager_(environment.standardDefaults),
      onboarding_(environment.ui.runtime),
      contentView_(environment) {
  if (appEntryManager_.showOnboarding())
    onboarding_.emplace(environment.ui, showOnboarding(), appEntryManager_, onboardingPages());
}

Binding<bool> VerdeoApp::showOnboarding() const {
  auto* self = const_cast<VerdeoApp*>(this);
  return Binding<bool>([self] { return self->appEntryManager_.showOnboarding(); },
                       [self](bool show) {
                         // A change of the flag carries the default animation.
                         self->environment_->ui.withAnimation(Animation::standard(), [&] {
                           self->appEntryManager_.setShowOnboarding(show);
                         });
                         // The pages are never shown again in this process; the runtime keeps
                         // them until they have been told they disappeared.
                         if (!show) self->onboarding_.reset();
                       });
}

View VerdeoApp::body() const {
  if (appEntryManager_.showOnboarding() && onboarding_)
    return onboarding_->body().transition(Transition::opacity).id("onboarding");
  return contentView_.body()
      .preferredColorScheme(ColorScheme::dark)
      .transition(Transition::opacity)
      .id("tabs");
}

}  // namespace verdeo
