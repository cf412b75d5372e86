#pragma once

#include "app/expert/PlantExpertInfo.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A species' page in the guide, shown as a sheet: its picture, names, difficulty, introduction and
// the expert's care card.
class ExpertPlantDetailView {
 public:
  ExpertPlantDetailView(PlantExpertInfo record, platform::ui::Action dismiss)
      : plant(std::move(record)), dismiss_(std::move(dismiss)) {}
  ExpertPlantDetailView(const ExpertPlantDetailView&) = delete;
  ExpertPlantDetailView& operator=(const ExpertPlantDetailView&) = delete;

  const PlantExpertInfo plant;

  platform::ui::View body() const;

 private:
  platform::ui::Action dismiss_;
};

}  // namespace verdeo
