#pragma once

#include <string>
#include <vector>

#include "platform/ui/View.hpp"

namespace platform::ui {

struct Tab {
  std::string title{};
  std::string symbol{};
  View content{};
};

// A tab bar over one page per tab. Choosing the tab already shown changes nothing.
View TabView(Binding<int> selection, std::vector<Tab> tabs, Color accent);

}  // namespace platform::ui
