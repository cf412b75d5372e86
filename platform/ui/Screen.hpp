#pragma once

#include <concepts>
#include <type_traits>

#include "platform/ui/View.hpp"

namespace platform::ui {

// A screen: its state as fields, `View body() const` that builds a tree from it, and handlers. A
// screen is neither copied nor moved, because handlers, steps and bindings point at it where it
// stands; owning a ScreenScope makes it so.
template <class S>
concept Screen = !std::is_copy_constructible_v<S> && !std::is_move_constructible_v<S> &&
                 requires(const S& screen) {
                   { screen.body() } -> std::same_as<View>;
                 };

}  // namespace platform::ui
