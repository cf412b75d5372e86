#pragma once

#include <string>

#include "app/learn/ChallengeCategory.hpp"
#include "app/learn/ChallengeContent.hpp"
#include "platform/foundation/Uuid.hpp"

namespace verdeo {

// One challenge: a step-by-step project with its materials, tips and timeline. Like the articles,
// its id lasts one run and its image name is its stable key.
struct Article {
  platform::Uuid id;
  std::string title;
  std::string description;  // one sentence
  std::string imageName;
  std::string duration;    // shown as is, such as "4 weeks"
  std::string difficulty;  // "Beginner", "Intermediate" or "Advanced"
  ChallengeCategory category = ChallengeCategory::houseplants;
  ChallengeContent content;
};

}  // namespace verdeo
