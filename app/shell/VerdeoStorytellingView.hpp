#pragma once

#include <functional>
#include <string>

#include "app/shell/VerdeoOnboardingModel.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/ScreenScope.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A storytelling page: its sentence is typed out one character at a time with haptic ticks; a
// tap while typing shows it whole, a tap once it is whole moves on.
class VerdeoStorytellingView {
 public:
  static constexpr double typewriterSpeed = 0.05;  // seconds between two characters

  VerdeoStorytellingView(const platform::ui::Environment& environment, VerdeoOnboardingModel model,
                         std::function<void()> onTapToContinue);
  VerdeoStorytellingView(const VerdeoStorytellingView&) = delete;
  VerdeoStorytellingView& operator=(const VerdeoStorytellingView&) = delete;

  VerdeoOnboardingModel model;
  std::function<void()> onTapToContinue;
  std::string displayedText;
  bool isTypewriterComplete = false;
  bool showTapToContinue = false;

  platform::ui::View body() const;

  void startTypewriter();
  void completeTypewriter();
  void cancelTypewriter();

 private:
  void typeCharacter(std::size_t k, std::size_t count, const std::string& character);
  void tap();

  const platform::ui::Environment& env_;
  // The pending typing job is the scope's delayed steps: cancelling them stops the typing, and
  // a step that was cancelled never runs, so no step needs to check for itself.
  platform::ui::ScreenScope scope_;
};

}  // namespace verdeo
