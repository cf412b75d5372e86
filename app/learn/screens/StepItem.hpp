#pragma once

#include "app/learn/ChallengeStep.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// One step of a challenge: its number in a green badge, title, instructions and, when it has
// one, its tip.
struct StepItem {
  const ChallengeStep& step;

  platform::ui::View body() const;
};

}  // namespace verdeo
