#pragma once

#include <vector>

#include "app/plants/OnboardingStep.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The wizard's progress: a circle per step joined by bars, green up to the current step. The
// current step shows its own symbol, the steps behind it a checkmark, the steps ahead their number.
struct StepProgressView {
  OnboardingStep currentStep;
  std::vector<OnboardingStep> steps{kAllOnboardingSteps.begin(), kAllOnboardingSteps.end()};

  platform::ui::View body() const;
};

}  // namespace verdeo
