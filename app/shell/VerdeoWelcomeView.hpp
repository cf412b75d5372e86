#pragma once

#include "app/shell/VerdeoOnboardingModel.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The first onboarding page: the picture (filling the width, 100 high), the rating badge, the
// title and the description.
struct VerdeoWelcomeView {
  VerdeoOnboardingModel model;
  platform::ui::View body() const;
};

}  // namespace verdeo
