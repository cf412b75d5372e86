#pragma once

#include <string>

#include "platform/ui/View.hpp"

namespace verdeo {

// One promise of the guide: a round symbol, a title and a sentence.
struct InfoSection {
  std::string icon;
  std::string title;
  std::string description;

  platform::ui::View body() const;
};

}  // namespace verdeo
