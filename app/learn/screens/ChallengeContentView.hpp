#pragma once

#include <string>
#include <vector>

#include "app/learn/ChallengeContent.hpp"
#include "app/learn/ChallengeStep.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The four cards of a challenge's page, in reading order: the steps, the materials, the expert
// tips and the timeline.
struct ChallengeContentView {
  const ChallengeContent& content;

  platform::ui::View body() const;
};

// The card of the steps, one StepItem each.
struct StepsSection {
  const std::vector<ChallengeStep>& steps;
  platform::ui::View body() const;
};

// The card of what to have at hand, one checked row per item.
struct MaterialsSection {
  const std::vector<std::string>& materials;
  platform::ui::View body() const;
};

// The card of the expert's tips, one row each.
struct ExpertTipsSection {
  const std::vector<std::string>& tips;
  platform::ui::View body() const;
};

// The card of the timeline, one row per phase (sentence) of it.
struct TimelineSection {
  const std::string& timeline;
  platform::ui::View body() const;
};

}  // namespace verdeo
