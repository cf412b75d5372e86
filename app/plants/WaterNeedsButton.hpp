#pragma once

#include "app/model/WaterNeeds.hpp"
#include "app/plants/CareSelectionButton.hpp"
#include "app/shell/base/CareAttributeStyle.hpp"

namespace verdeo {

// The editor's button for one WaterNeeds case.
struct WaterNeedsButton {
  WaterNeeds needs;
  bool isSelected;
  platform::ui::Action action;

  platform::ui::View body() const {
    return CareSelectionButton{waterNeedsStyle(needs), rawValue(needs), isSelected, action}.body();
  }
};

}  // namespace verdeo
