#pragma once

#include "app/learn/PlantEssential.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// An article's page: its picture, title and the whole text, paragraph by paragraph.
class PlantEssentialDetailView {
 public:
  explicit PlantEssentialDetailView(const PlantEssential& essential) : plantEssential(essential) {}
  PlantEssentialDetailView(const PlantEssentialDetailView&) = delete;
  PlantEssentialDetailView& operator=(const PlantEssentialDetailView&) = delete;

  // The library lives for the whole run.
  const PlantEssential& plantEssential;

  platform::ui::View body() const;
};

}  // namespace verdeo
