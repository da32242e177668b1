// The layout follows the screen's density: the font by pixels per inch, the controls by the
// measured height of "0". Expected rectangles are worked out by hand.
#include "ui/density.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "source_files.h"

namespace {

struct MulDivCase {
  int value, numerator, denominator, expected;
};

class MulDiv : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  const MulDivCase& c = GetParam();
  EXPECT_EQ(ui::mul_div(c.value, c.numerator, c.denominator), c.expected)
      << c.value << "·" << c.numerator << "/" << c.denominator;
}

INSTANTIATE_TEST_SUITE_P(Cases, MulDiv,
                         testing::Values(MulDivCase{-15, 120, 96, -19},  // -18.75
                                         MulDivCase{-15, 144, 96, -23},  // -22.5
                                         MulDivCase{15, 144, 96, 23},    // 22.5
                                         MulDivCase{-15, 168, 96, -26},  // -26.25
                                         MulDivCase{40, 19, 15, 51},     // 50.67
                                         MulDivCase{316, 19, 15, 400},   // 400.27
                                         MulDivCase{-7, 19, 15, -9},     // -8.87
                                         MulDivCase{5, 1, -2, -3},       // -2.5
                                         MulDivCase{2000000000, 3, 3, 2000000000}));

struct DensityCase {
  int dpi;
  int font_height;  // of the form, once fitted
  int measured;     // the height of "0" the screen reports for that font
  // Expected rectangles of a few controls, and the red labels' font height.
  std::vector<std::pair<const char*, ui::Rect>> rects;
  int red_font_height;
  friend void PrintTo(const DensityCase& c, std::ostream* os) { *os << c.dpi << " dpi"; }
};

class Density : public testing::TestWithParam<DensityCase> {};

TEST_P(Density, ScalesFontThenControlsAsWorkedOut) {
  const DensityCase& c = GetParam();
  ui::Form form = form1();
  ui::fit_font_to_density(form, c.dpi);
  EXPECT_EQ(form.font.height, c.font_height);
  ui::scale_controls(form, c.measured);
  for (const auto& [name, rect] : c.rects) {
    EXPECT_EQ(form.find(name)->bounds, rect) << name;
  }
  EXPECT_EQ(form.find("Label4")->font->height, c.red_font_height);
  EXPECT_EQ(form.find("Label7")->font->height, c.red_font_height);
  EXPECT_EQ(form.bounds, (ui::Rect{192, 107, 541, 528})) << "the outer size never scales";
}

INSTANTIATE_TEST_SUITE_P(
    Screens, Density,
    testing::Values(
        DensityCase{96,
                    -15,
                    15,
                    {{"Button1", {40, 251, 113, 65}},
                     {"Button4", {296, 8, 113, 61}},
                     {"Label2", {411, 120, 116, 15}},
                     {"Image1", {152, 120, 105, 105}}},
                    -15},
        // 40·19/15 = 50.67 → 51, 251·19/15 = 317.93 → 318, right 153·19/15 = 193.8 → 194,
        // bottom 316·19/15 = 400.27 → 400.
        DensityCase{120,
                    -19,
                    19,
                    {{"Button1", {51, 318, 143, 82}},
                     {"Button4", {375, 10, 143, 77}},
                     {"Label2", {521, 152, 147, 19}},
                     {"Image1", {193, 152, 133, 133}}},
                    -19},
        // Font 15·144/96 = 22.5 → 23; then 251·23/15 = 384.87 → 385, 316·23/15 = 484.53 → 485.
        DensityCase{144,
                    -23,
                    23,
                    {{"Button1", {61, 385, 174, 100}},
                     {"Button9", {61, 636, 174, 100}},
                     {"Image1", {233, 184, 161, 161}},
                     {"Label6", {307, 393, 480, 230}}},
                    -23},
        DensityCase{192,
                    -30,
                    30,
                    {{"Button4", {592, 16, 226, 122}},
                     {"Label5", {352, 304, 180, 30}},
                     {"Label7", {736, 840, 242, 60}}},
                    -30},
        // A font that measures as designed leaves the controls alone, whatever the density.
        DensityCase{100, -16, 15, {{"Button1", {40, 251, 113, 65}}}, -15}));

}  // namespace
