#pragma once

#include <string>
#include <vector>

#include "app/learn/ChallengeStep.hpp"

namespace verdeo {

// The body of a challenge, shown as its introduction and four cards.
struct ChallengeContent {
  std::string introduction;  // one paragraph
  std::vector<ChallengeStep> steps;
  std::vector<std::string> expertTips;  // one sentence each
  std::vector<std::string> materials;   // one item each
  std::string timeline;                 // one paragraph, a sentence per week or range of weeks
};

}  // namespace verdeo
