#pragma once

#include "app/expert/PlantExpertInfo.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The expert's care card of a species: six pieces of advice, and two more on troubleshooting for
// the species that have them.
struct CareInstructionsView {
  const CareInstructions& careInstructions;

  platform::ui::View body() const;
};

}  // namespace verdeo
