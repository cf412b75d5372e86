#pragma once

#include <string>

#include "platform/ui/View.hpp"

namespace verdeo {

// One line of the editor's plant summary: the label in a 90-point column, then the value.
struct SummaryRow {
  std::string label;
  std::string value;

  platform::ui::View body() const;
};

}  // namespace verdeo
