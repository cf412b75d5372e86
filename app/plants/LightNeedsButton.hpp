#pragma once

#include "app/model/LightNeeds.hpp"
#include "app/plants/CareSelectionButton.hpp"
#include "app/shell/base/CareAttributeStyle.hpp"

namespace verdeo {

// The editor's button for one LightNeeds case.
struct LightNeedsButton {
  LightNeeds needs;
  bool isSelected;
  platform::ui::Action action;

  platform::ui::View body() const {
    return CareSelectionButton{lightNeedsStyle(needs), rawValue(needs), isSelected, action}.body();
  }
};

}  // namespace verdeo
