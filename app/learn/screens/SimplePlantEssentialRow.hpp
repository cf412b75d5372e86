#pragma once

#include "app/learn/PlantEssential.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// An article's row in the list of all articles.
struct SimplePlantEssentialRow {
  const PlantEssential& plantEssential;

  platform::ui::View body() const;
};

}  // namespace verdeo
