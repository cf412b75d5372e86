#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/model/CaseWithRawValue.hpp"

namespace verdeo {

// How often a plant needs care. The raw value is the stored, exchanged and displayed text; the
// nominal day count is used only by the countdown (the due rules use calendar arithmetic).
enum class CareFrequency { daily, weekly, monthly };

inline constexpr std::array<CareFrequency, 3> kAllCareFrequencies = {
    CareFrequency::daily, CareFrequency::weekly, CareFrequency::monthly};

constexpr std::string_view rawValue(CareFrequency frequency) {
  switch (frequency) {
    case CareFrequency::daily: return "Daily";
    case CareFrequency::weekly: return "Weekly";
    case CareFrequency::monthly: return "Monthly";
  }
  return "Daily";
}

constexpr int nominalDays(CareFrequency frequency) {
  switch (frequency) {
    case CareFrequency::daily: return 1;
    case CareFrequency::weekly: return 7;
    case CareFrequency::monthly: return 30;
  }
  return 1;
}

// Exact, case-sensitive match of a raw value; no case for any other text.
constexpr std::optional<CareFrequency> careFrequencyFromRawValue(std::string_view raw) {
  return caseWithRawValue(kAllCareFrequencies, raw);
}

}  // namespace verdeo
