#pragma once

#include "app/model/CareFrequency.hpp"
#include "app/plants/CareSelectionButton.hpp"
#include "app/shell/base/CareAttributeStyle.hpp"

namespace verdeo {

// The editor's button for one CareFrequency case.
struct CareFrequencyButton {
  CareFrequency frequency;
  bool isSelected;
  platform::ui::Action action;

  platform::ui::View body() const {
    return CareSelectionButton{careFrequencyStyle(frequency), rawValue(frequency), isSelected,
                               action}
        .body();
  }
};

}  // namespace verdeo
