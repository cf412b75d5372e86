#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace verdeo {

// The case of an enumeration whose raw value is exactly `raw` (case-sensitive), or none.
template <class Enumeration, std::size_t N>
constexpr std::optional<Enumeration> caseWithRawValue(const std::array<Enumeration, N>& allCases,
                                                      std::string_view raw) {
  for (Enumeration value : allCases)
    if (rawValue(value) == raw) return value;
  return std::nullopt;
}

}  // namespace verdeo
