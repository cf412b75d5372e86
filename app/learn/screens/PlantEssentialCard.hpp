#pragma once

#include "app/learn/PlantEssential.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// An article's card in the today screen's section: its picture with the title over it.
struct PlantEssentialCard {
  const PlantEssential& plantEssential;

  platform::ui::View body() const;
};

}  // namespace verdeo
