#pragma once

#include <string_view>

namespace verdeo::palette {

// The literals every screen passes to colorFromHex.
inline constexpr std::string_view brandGreen = "1FC887";       // accent, selected states, tab tint
inline constexpr std::string_view deepGreen = "116B49";        // second stop of primary buttons
inline constexpr std::string_view forestGreen = "157A53";      // first stop of the backdrop
inline constexpr std::string_view nightBackground = "0A130A";  // screen background
inline constexpr std::string_view cardSurface = "161E13";      // cards, fields, rows, pills
inline constexpr std::string_view mossSurface = "283723";      // growth journal surface
inline constexpr std::string_view limeAccent = "D6FFAE";       // trailing chevrons
inline constexpr std::string_view monthlyRingGold = "F9CF5C";
inline constexpr std::string_view weeklyRingViolet = "8287FF";
inline constexpr std::string_view white = "FFFFFF";

}  // namespace verdeo::palette
