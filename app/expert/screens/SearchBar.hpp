#pragma once

#include <string>

#include "platform/ui/Binding.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// The guide's search field: a magnifying glass, the field, and a clear button while it holds
// text.
struct SearchBar {
  platform::ui::Binding<std::string> text;
  platform::ui::Action onClear;

  platform::ui::View body() const;
};

}  // namespace verdeo
