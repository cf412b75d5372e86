#pragma once

#include "app/model/Species.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// One cell of the quick species grid: the illustration on a circle, green when chosen, and the
// name below it.
struct SpeciesGridItem {
  Species species;
  bool isSelected;
  platform::ui::Action action;

  platform::ui::View body() const;
};

// The species' illustration, clipped to a circle `size` points wide; an asset that is missing
// shows nothing.
platform::ui::View speciesIllustration(Species species, double size);

}  // namespace verdeo
