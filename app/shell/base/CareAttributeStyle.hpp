#pragma once

#include <string_view>

#include "app/model/CareFrequency.hpp"
#include "app/model/LightNeeds.hpp"
#include "app/model/WaterNeeds.hpp"

namespace verdeo {

// The symbol and colour literal that stand for one case of a care attribute wherever it is
// shown (editor buttons, detail indicators, ring colours).
struct CareAttributeStyle {
  std::string_view symbol;
  std::string_view color;
  friend bool operator==(const CareAttributeStyle&, const CareAttributeStyle&) = default;
};

constexpr CareAttributeStyle careFrequencyStyle(CareFrequency frequency) {
  switch (frequency) {
    case CareFrequency::daily:
      return {"sun.max.fill", "FF8F3E"};
    case CareFrequency::weekly:
      return {"calendar.badge.clock", "A8E0C8"};
    case CareFrequency::monthly:
      return {"calendar", "8E9FBF"};
  }
  return {"sun.max.fill", "FF8F3E"};
}

constexpr CareAttributeStyle lightNeedsStyle(LightNeeds needs) {
  switch (needs) {
    case LightNeeds::full:
      return {"sun.max.fill", "FFD700"};
    case LightNeeds::partial:
      return {"cloud.sun", "FFA500"};
    case LightNeeds::low:
      return {"cloud.fill", "808080"};
  }
  return {"sun.max.fill", "FFD700"};
}

constexpr CareAttributeStyle waterNeedsStyle(WaterNeeds needs) {
  switch (needs) {
    case WaterNeeds::high:
      return {"drop.fill", "4169E1"};
    case WaterNeeds::moderate:
      return {"drop.degreesign.fill", "87CEEB"};
    case WaterNeeds::low:
      return {"drop", "B0E0E6"};
  }
  return {"drop.fill", "4169E1"};
}

}  // namespace verdeo
