// Keyboard focus order among a form's controls.
#pragma once

#include <cstddef>
#include <span>

namespace ui {

// Index of the control that comes first in tab order.
std::size_t first_tab_stop(std::span<const int> tab_orders);

// Index of the control that Tab (forward) or Shift+Tab moves to from `current`, wrapping round.
std::size_t next_tab_stop(std::span<const int> tab_orders, std::size_t current, bool forward);

}  // namespace ui
