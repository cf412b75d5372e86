#pragma once

#include "app/expert/Difficulty.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A species' difficulty as a small capsule: symbol and label in the level's colour.
struct DifficultyChip {
  Difficulty difficulty;

  platform::ui::View body() const;
};

}  // namespace verdeo
