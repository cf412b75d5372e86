#pragma once

#include <string_view>

#include "platform/ui/Color.hpp"

namespace verdeo {

// Turns a colour literal such as "1FC887", "#1FC887", "F80" or "801FC887" (alpha first) into an
// sRGB colour. Never fails: a literal of another length gives red 1/255, green 1/255, blue 0 at
// opacity 1/255 (practically invisible), and one with no hexadecimal digits gives black.
platform::ui::Color colorFromHex(std::string_view text);

}  // namespace verdeo
