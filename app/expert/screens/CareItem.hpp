#pragma once

#include <string>

#include "platform/ui/View.hpp"

namespace verdeo {

// One piece of care advice on a species' card: a green symbol, a title and the advice.
struct CareItem {
  std::string icon;
  std::string title;
  std::string description;

  platform::ui::View body() const;
};

// The same row for what to do when something goes wrong; its title is white.
struct TroubleshootingItem {
  std::string icon;
  std::string title;
  std::string description;

  platform::ui::View body() const;
};

}  // namespace verdeo
