#pragma once

#include <array>
#include <string_view>

namespace verdeo {

// What a challenge is about; the raw value is the text shown under its title.
enum class ChallengeCategory { houseplants, gardening, propagation, seasonal };

inline constexpr std::array<ChallengeCategory, 4> kAllChallengeCategories = {
    ChallengeCategory::houseplants, ChallengeCategory::gardening, ChallengeCategory::propagation,
    ChallengeCategory::seasonal};

constexpr std::string_view rawValue(ChallengeCategory category) {
  switch (category) {
    case ChallengeCategory::houseplants:
      return "Houseplants";
    case ChallengeCategory::gardening:
      return "Gardening";
    case ChallengeCategory::propagation:
      return "Propagation";
    case ChallengeCategory::seasonal:
      return "Seasonal Care";
  }
  return "Houseplants";
}

}  // namespace verdeo
