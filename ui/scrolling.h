// The form's automatic scroll bars: when they show, how far they go, what a focus move scrolls.
#pragma once

#include "ui/form_definition.h"

namespace ui {

// How far the controls reach from the client area's origin.
Size content_extent(const Form& form);

struct ScrollBars {
  bool horizontal = false;
  bool vertical = false;
  Size page;  // the client area that remains beside the bars
  friend bool operator==(const ScrollBars&, const ScrollBars&) = default;
};

// The bars a client area of `client` (measured without any bars) needs to reach `content`;
// `bar` is the width of a vertical bar and the height of a horizontal one. A bar that appears
// narrows the area, which can make the other one necessary too.
ScrollBars scroll_bars_for(Size content, Size client, Size bar);

// The scroll position (0 … content − page) nearest to `position`.
int clamp_scroll(int position, int page, int content);

// The position that shows the span begin … end, moving as little as possible; a span larger
// than the page shows its start.
int scroll_into_view(int position, int page, int begin, int end);

}  // namespace ui
