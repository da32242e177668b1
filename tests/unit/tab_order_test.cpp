// Tab and Shift+Tab walk Form1's buttons in their tab order, round and round.
#include "ui/tab_order.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "source_files.h"

namespace {

// The buttons of Form1's definition in creation order, as the form keeps them.
std::vector<std::string> walk(std::size_t steps, bool forward) {
  std::vector<std::string> names;
  std::vector<int> orders;
  for (const ui::Control& control : form1().controls) {
    if (control.kind != ui::ControlKind::kButton) continue;
    names.push_back(control.name);
    orders.push_back(control.tab_order.value());
  }
  std::size_t at = ui::first_tab_stop(orders);
  std::vector<std::string> visited{names[at]};
  for (std::size_t i = 0; i < steps; ++i) {
    at = ui::next_tab_stop(orders, at, forward);
    visited.push_back(names[at]);
  }
  return visited;
}

TEST(Form1TabOrder, TabWalksTheDesignedCycle) {
  EXPECT_EQ(walk(8, true),
            (std::vector<std::string>{"Button1", "Button4", "Button5", "Button6", "Button7",
                                      "Button8", "Button2", "Button9", "Button1"}));
}

TEST(Form1TabOrder, ShiftTabWalksItBackwards) {
  EXPECT_EQ(walk(8, false),
            (std::vector<std::string>{"Button1", "Button9", "Button2", "Button8", "Button7",
                                      "Button6", "Button5", "Button4", "Button1"}));
}

struct StepCase {
  std::vector<int> orders;
  std::size_t from;
  bool forward;
  std::size_t to;
  friend void PrintTo(const StepCase& c, std::ostream* os) {
    *os << "from " << c.from << (c.forward ? " forward" : " backward");
  }
};

class NextTabStop : public testing::TestWithParam<StepCase> {};

TEST_P(NextTabStop, GoesToTheNearestOrderWrappingRound) {
  const StepCase& c = GetParam();
  EXPECT_EQ(ui::next_tab_stop(c.orders, c.from, c.forward), c.to);
}

// Orders with gaps and out of creation order, as a form definition may give them.
INSTANTIATE_TEST_SUITE_P(Orders, NextTabStop,
                         testing::Values(StepCase{{5, 2, 9}, 1, true, 0},
                                         StepCase{{5, 2, 9}, 0, true, 2},
                                         StepCase{{5, 2, 9}, 2, true, 1},
                                         StepCase{{5, 2, 9}, 1, false, 2},
                                         StepCase{{5, 2, 9}, 2, false, 0},
                                         StepCase{{7}, 0, true, 0}, StepCase{{7}, 0, false, 0}));

TEST(FirstTabStop, IsTheLowestOrder) {
  EXPECT_EQ(ui::first_tab_stop(std::vector<int>{5, 2, 9}), 1u);
}

}  // namespace
