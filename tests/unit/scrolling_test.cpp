// The form's scroll bars: when they appear, the page they leave, and scrolling a control into view.
#include "ui/scrolling.h"

#include <gtest/gtest.h>

#include <ostream>

#include "source_files.h"
#include "ui/density.h"

namespace {

TEST(ContentExtent, OfForm1ReachesLabel2AndButton9) {
  EXPECT_EQ(ui::content_extent(form1()), (ui::Size{527, 480}));
}

TEST(ContentExtent, GrowsWithTheControlsAt120Dpi) {
  ui::Form form = form1();
  ui::scale_controls(form, 19);
  // Label2's right edge 527·19/15 = 667.53, Button9's bottom 480·19/15 = 608.
  EXPECT_EQ(ui::content_extent(form), (ui::Size{668, 608}));
}

struct BarsCase {
  const char* why;
  ui::Size content;
  ui::Size client;
  ui::ScrollBars expected;
  friend void PrintTo(const BarsCase& c, std::ostream* os) { *os << c.why; }
};

class ScrollBarsFor : public testing::TestWithParam<BarsCase> {};

TEST_P(ScrollBarsFor, ShowWhatTheContentNeeds) {
  const BarsCase& c = GetParam();
  EXPECT_EQ(ui::scroll_bars_for(c.content, c.client, {16, 16}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarsFor,
    testing::Values(
        BarsCase{"96 dpi fits", {527, 480}, {533, 501}, {false, false, {533, 501}}},
        BarsCase{"exact fit", {533, 501}, {533, 501}, {false, false, {533, 501}}},
        BarsCase{"120 dpi needs both", {668, 608}, {533, 501}, {true, true, {517, 485}}},
        BarsCase{"only too wide", {600, 400}, {533, 501}, {true, false, {533, 485}}},
        BarsCase{"only too high", {500, 600}, {533, 501}, {false, true, {517, 501}}},
        BarsCase{"the horizontal bar makes it too high",
                 {600, 490},
                 {533, 501},
                 {true, true, {517, 485}}},
        BarsCase{
            "the vertical bar makes it too wide", {525, 600}, {533, 501}, {true, true, {517, 485}}},
        BarsCase{"a client smaller than the bars", {527, 480}, {10, 10}, {true, true, {0, 0}}}));

struct ViewCase {
  int position, page, begin, end, expected;
};

class ScrollIntoView : public testing::TestWithParam<ViewCase> {};

TEST_P(ScrollIntoView, MovesAsLittleAsNeeded) {
  const ViewCase& c = GetParam();
  EXPECT_EQ(ui::scroll_into_view(c.position, c.page, c.begin, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScrollIntoView,
                         testing::Values(ViewCase{0, 485, 100, 200, 0},      // in view
                                         ViewCase{0, 485, 525, 608, 123},    // below
                                         ViewCase{200, 485, 100, 150, 100},  // above
                                         ViewCase{0, 100, 50, 300, 50}));    // larger than page

TEST(ClampScroll, StaysWithinTheContent) {
  EXPECT_EQ(ui::clamp_scroll(200, 485, 608), 123);
  EXPECT_EQ(ui::clamp_scroll(-5, 485, 608), 0);
  EXPECT_EQ(ui::clamp_scroll(50, 501, 480), 0);
  EXPECT_EQ(ui::clamp_scroll(60, 485, 608), 60);
}

}  // namespace
