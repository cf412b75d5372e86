#pragma once

#include "platform/foundation/Json.hpp"

namespace platform::ui {

// Reads a tree as the wire carries it (WIRE.md, "Compact form") back into the form a display
// works with: every node with its full id, `on` mapping each event to its handler id, each
// repeated `p` and `s` object in place of its number, and each alert button with its `handler`.
Json readWireTree(Json root);

}  // namespace platform::ui
