#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/shell/VerdeoOnboardingModel.hpp"
#include "platform/ui/DelayedSteps.hpp"
#include "platform/ui/Environment.hpp"
#include "platform/ui/View.hpp"

namespace verdeo {

// A storytelling page: its sentence is typed out one character at a time with haptic ticks; a
// tap while typing shows it whole, a tap once it is whole moves on.
class VerdeoStorytellingView {
 public:
  static constexpr double typewriterSpeed = 0.05;  // seconds between two characters

  VerdeoStorytellingView(const platform::ui::Environment& environment, VerdeoOnboardingModel model,
                         std::function<void()> onTapToContinue);

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
  // The pending typing job. Each of its steps checks, when its time comes, that it still is the
  // current job and has not been cancelled.
  struct TypingJob {
    std::shared_ptr<bool> cancelled = std::make_shared<bool>(false);
  };
  bool isCurrent(const std::shared_ptr<bool>& job) const;
  void typeCharacter(const std::shared_ptr<bool>& job, std::size_t k, std::size_t count,
                     const std::string& character);
  void tap();

  const platform::ui::Environment* environment_;
  std::optional<TypingJob> typewriterTask_;
  platform::ui::DelayedSteps steps_;
};

}  // namespace verdeo
