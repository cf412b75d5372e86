#pragma once

#include <string>

#include "platform/ui/View.hpp"

namespace verdeo {

// A control under its label, the label in the section-title style.
struct FormField {
  std::string label;
  platform::ui::View content;

  platform::ui::View body() const;
};

// A page's section title: headline, in the secondary colour.
platform::ui::View sectionTitle(std::string title);

}  // namespace verdeo
