#pragma once

#include "app/expert/PlantExpertInfo.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A species in the guide's grid: its picture, names and difficulty.
struct CompactPlantCard {
  const PlantExpertInfo& plant;

  platform::ui::View body() const;
};

}  // namespace verdeo
