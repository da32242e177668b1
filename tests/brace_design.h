// The brace beside the data buttons as designed, stroke by stroke: what the unit tests hold the
// bitmap to and the end-to-end tests hold the screen to. Written out from the design rather
// than from brace.txt, so that a slip in the picture shows up.
#pragma once

namespace brace_design {

inline constexpr int kWidth = 25;
inline constexpr int kHeight = 71;

// The black pixels: rows first to last, columns first to last, counted from the top-left.
struct Stroke {
  int first_row, last_row, first_column, last_column;
};
inline constexpr Stroke kStrokes[] = {
    {5, 5, 4, 7},     {6, 6, 8, 9},     {7, 7, 10, 11},   {8, 8, 12, 12},   {9, 32, 13, 13},
    {33, 33, 14, 14}, {34, 34, 15, 15}, {35, 35, 16, 19}, {36, 36, 19, 22}, {37, 37, 17, 18},
    {38, 38, 15, 16}, {39, 40, 14, 14}, {41, 63, 13, 13}, {64, 64, 12, 12}, {65, 65, 11, 11},
    {66, 66, 10, 10}, {67, 67, 8, 9},   {68, 68, 4, 7},
};

constexpr bool is_black(int column, int row) {
  for (const Stroke& s : kStrokes) {
    if (row >= s.first_row && row <= s.last_row && column >= s.first_column &&
        column <= s.last_column) {
      return true;
    }
  }
  return false;
}

}  // namespace brace_design
