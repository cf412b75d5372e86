#pragma once

#include <string>
#include <vector>

namespace verdeo {

// One onboarding page.
struct VerdeoOnboardingModel {
  std::string imageName;  // an image asset; may be empty
  std::string title;
  std::string description;  // may be empty
};

// The seven pages, in order: the welcome page, then six sentences that are typed out.
const std::vector<VerdeoOnboardingModel>& onboardingPages();

}  // namespace verdeo
