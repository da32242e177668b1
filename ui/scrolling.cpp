// Scroll-bar arithmetic of the form, apart from the window system.
#include "ui/scrolling.h"

#include <algorithm>

namespace ui {

Size content_extent(const Form& form) {
  Size extent;
  for (const Control& control : form.controls) {
    extent.width = std::max(extent.width, control.bounds.right());
    extent.height = std::max(extent.height, control.bounds.bottom());
  }
  return extent;
}

ScrollBars scroll_bars_for(Size content, Size client, Size bar) {
  ScrollBars bars{false, false, client};
  // Two rounds: the second bar can only be needed because the first one took room.
  for (int round = 0; round < 2; ++round) {
    if (!bars.horizontal && content.width > bars.page.width) {
      bars.horizontal = true;
      bars.page.height = client.height - bar.height;
    }
    if (!bars.vertical && content.height > bars.page.height) {
      bars.vertical = true;
      bars.page.width = client.width - bar.width;
    }
  }
  bars.page.width = std::max(bars.page.width, 0);
  bars.page.height = std::max(bars.page.height, 0);
  return bars;
}

int clamp_scroll(int position, int page, int content) {
  return std::clamp(position, 0, std::max(content - page, 0));
}

int scroll_into_view(int position, int page, int begin, int end) {
  if (end > position + page) position = end - page;
  if (begin < position) position = begin;
  return position;
}

}  // namespace ui
