#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "app/model/CaseWithRawValue.hpp"

namespace verdeo {

// How much light a plant wants. The case names and the raw values differ (`full` is
// "Bright"); the raw value is the stored, exchanged and displayed text.
enum class LightNeeds { full, partial, low };

inline constexpr std::array<LightNeeds, 3> kAllLightNeeds = {LightNeeds::full, LightNeeds::partial,
                                                             LightNeeds::low};

constexpr std::string_view rawValue(LightNeeds lightNeeds) {
  switch (lightNeeds) {
    case LightNeeds::full:
      return "Bright";
    case LightNeeds::partial:
      return "Medium";
    case LightNeeds::low:
      return "Low";
  }
  return "Bright";
}

// Exact, case-sensitive match of a raw value; no case for any other text.
constexpr std::optional<LightNeeds> lightNeedsFromRawValue(std::string_view raw) {
  return caseWithRawValue(kAllLightNeeds, raw);
}

}  // namespace verdeo
