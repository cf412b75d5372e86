#pragma once

#include <string>

#include "app/shell/base/AppEnvironment.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A page or sheet whose screen has not been built yet: its title and a short note, on the app's
// background.
class PlaceholderView {
 public:
  PlaceholderView(const AppEnvironment& environment, std::string title);
  PlaceholderView(const PlaceholderView&) = delete;
  PlaceholderView& operator=(const PlaceholderView&) = delete;

  std::string title;

  platform::ui::View body() const;
};

}  // namespace verdeo
