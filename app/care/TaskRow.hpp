#pragma once

#include <functional>

#include "app/model/Plant.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// One due plant on the today screen: its picture, name and frequency, and the "Done" button.
// While `isCompleting` the button shows a spinner; the screen's handler ignores taps meanwhile.
struct TaskRow {
  const Plant& plant;
  std::function<void()> onMarkDone;  // the tap on "Done"; the screen runs the care after 0.1 s
  bool isCompleting = false;
  bool pictureDecodes = false;  // whether the stored photo decodes as an image

  platform::ui::View body() const;
};

}  // namespace verdeo
