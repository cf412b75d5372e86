#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Uuid.hpp"

namespace verdeo {

// One step of a challenge. Steps are numbered from 1 in the order the challenge lists them.
struct ChallengeStep {
  platform::Uuid id;
  int stepNumber = 0;
  std::string title;
  std::string description;         // two or three sentences of practical instructions
  std::optional<std::string> tip;  // one sentence
};

}  // namespace verdeo
