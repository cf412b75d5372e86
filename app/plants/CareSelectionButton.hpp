#pragma once

#include <string_view>

#include "app/shell/base/CareAttributeStyle.hpp"
#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// What the three care selection buttons share: the case's symbol on a circle (filled with the
// case colour when selected, a tenth of it otherwise) and its raw value below.
struct CareSelectionButton {
  CareAttributeStyle style;
  std::string_view title;
  bool isSelected;
  platform::ui::Action action;

  platform::ui::View body() const;
};

}  // namespace verdeo
