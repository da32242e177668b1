// Tab order walk: controls visited by ascending tab order, round and round.
#include "ui/tab_order.h"

namespace ui {

std::size_t first_tab_stop(std::span<const int> tab_orders) {
  std::size_t first = 0;
  for (std::size_t i = 1; i < tab_orders.size(); ++i) {
    if (tab_orders[i] < tab_orders[first]) first = i;
  }
  return first;
}

std::size_t next_tab_stop(std::span<const int> tab_orders, std::size_t current, bool forward) {
  // The nearest tab order after (or before) the current one; none means wrap to the far end.
  const int here = tab_orders[current];
  std::size_t best = current;
  std::size_t wrap = current;
  for (std::size_t i = 0; i < tab_orders.size(); ++i) {
    const int order = tab_orders[i];
    const bool beyond = forward ? order > here : order < here;
    if (beyond &&
        (best == current || (forward ? order < tab_orders[best] : order > tab_orders[best]))) {
      best = i;
    }
    if (forward ? order < tab_orders[wrap] : order > tab_orders[wrap]) wrap = i;
  }
  return best != current ? best : wrap;
}

}  // namespace ui
