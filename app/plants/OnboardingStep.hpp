#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace verdeo {

// The five steps of the plant editor, in the order the wizard walks them. The raw value names a
// step (the screen never shows it); the symbol is what the progress display shows while the step
// is current.
enum class OnboardingStep { basicInfo, appearance, careDetails, reminders, notes };

inline constexpr std::array<OnboardingStep, 5> kAllOnboardingSteps = {
    OnboardingStep::basicInfo, OnboardingStep::appearance, OnboardingStep::careDetails,
    OnboardingStep::reminders, OnboardingStep::notes};

constexpr std::string_view rawValue(OnboardingStep step) {
  switch (step) {
    case OnboardingStep::basicInfo:
      return "Basic Info";
    case OnboardingStep::appearance:
      return "Appearance";
    case OnboardingStep::careDetails:
      return "Care Details";
    case OnboardingStep::reminders:
      return "Reminders";
    case OnboardingStep::notes:
      return "Additional Notes";
  }
  return "Basic Info";
}

constexpr std::string_view symbolName(OnboardingStep step) {
  switch (step) {
    case OnboardingStep::basicInfo:
      return "info.circle";
    case OnboardingStep::appearance:
      return "camera";
    case OnboardingStep::careDetails:
      return "drop.fill";
    case OnboardingStep::reminders:
      return "bell.badge";
    case OnboardingStep::notes:
      return "note.text";
  }
  return "info.circle";
}

// The step's place in the wizard, from 0.
constexpr std::size_t position(OnboardingStep step) {
  return static_cast<std::size_t>(step);
}

}  // namespace verdeo
