// Where Form1 and its buttons stand, in pixels at 96 dots per inch.
#pragma once

#include <array>
#include <string_view>

namespace ui {

struct Bounds {
  int left;
  int top;
  int width;
  int height;
};

struct ButtonPlacement {
  std::string_view control;
  Bounds bounds;  // in the form's client area
  int tab_order;
};

// The outer rectangle: frame and caption included.
inline constexpr Bounds kForm1Bounds{192, 107, 541, 528};
inline constexpr std::string_view kForm1Caption = "Orvella安装软件";

// In creation order. Tab order is not screen order: it follows the order of installation
// only loosely, so it is kept as data here.
inline constexpr std::array<ButtonPlacement, 8> kForm1Buttons{{
    {"Button1", {40, 251, 113, 65}, 0},
    {"Button4", {296, 8, 113, 61}, 1},
    {"Button5", {296, 88, 113, 65}, 2},
    {"Button6", {40, 91, 113, 65}, 3},
    {"Button7", {40, 335, 113, 65}, 4},
    {"Button8", {40, 171, 113, 65}, 5},
    {"Button2", {40, 11, 113, 65}, 6},
    {"Button9", {40, 415, 113, 65}, 7},
}};

}  // namespace ui
