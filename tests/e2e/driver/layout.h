// Where the form's buttons must stand, written out as designed and as scaled, and how to check.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig.h"

namespace layout {

struct Placement {
  const wchar_t* caption;
  RECT client;  // left, top, right, bottom in the form's client area, not scrolled
};

// At 96 dots per inch nothing is scaled: the designed rectangles.
inline const std::vector<Placement> kDesigned = {
    {L"安装myodbc", {40, 251, 153, 316}},     {L"启动Mysql", {296, 8, 409, 69}},
    {L"停止Mysql", {296, 88, 409, 153}},      {L"安装空数据", {40, 91, 153, 156}},
    {L"安装软件", {40, 335, 153, 400}},       {L"安装演示数据", {40, 171, 153, 236}},
    {L"安装数据库服务器", {40, 11, 153, 76}}, {L"安装mdac2.8", {40, 415, 153, 480}},
};

// Every edge of the designed rectangles times 20/15, to the nearest pixel: at 120 dots per
// inch the window font is -19, whose "0" is 20 high in the rig.
inline const std::vector<Placement> kAt120 = {
    {L"安装myodbc", {53, 335, 204, 421}},      {L"启动Mysql", {395, 11, 545, 92}},
    {L"停止Mysql", {395, 117, 545, 204}},      {L"安装空数据", {53, 121, 204, 208}},
    {L"安装软件", {53, 447, 204, 533}},        {L"安装演示数据", {53, 228, 204, 315}},
    {L"安装数据库服务器", {53, 15, 204, 101}}, {L"安装mdac2.8", {53, 553, 204, 640}},
};

// Times 24/15: at 144 dots per inch the font is -23 (22.5 away from zero), its "0" 24 high.
inline const std::vector<Placement> kAt144 = {
    {L"安装myodbc", {64, 402, 245, 506}},      {L"启动Mysql", {474, 13, 654, 110}},
    {L"停止Mysql", {474, 141, 654, 245}},      {L"安装空数据", {64, 146, 245, 250}},
    {L"安装软件", {64, 536, 245, 640}},        {L"安装演示数据", {64, 274, 245, 378}},
    {L"安装数据库服务器", {64, 18, 245, 122}}, {L"安装mdac2.8", {64, 664, 245, 768}},
};

// The button's rectangle relative to the form's client origin, as it stands now.
inline RECT client_rect_of(HWND form, HWND button) {
  RECT rect{};
  GetWindowRect(button, &rect);
  MapWindowPoints(HWND_DESKTOP, form, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

inline void expect_buttons_at(const rig::Launcher& launcher,
                              const std::vector<Placement>& placements) {
  for (const Placement& placement : placements) {
    SCOPED_TRACE(rig::narrow(placement.caption));
    HWND button = launcher.button(placement.caption);
    ASSERT_NE(button, nullptr);
    const RECT rect = client_rect_of(launcher.form(), button);
    EXPECT_EQ(rect.left, placement.client.left);
    EXPECT_EQ(rect.top, placement.client.top);
    EXPECT_EQ(rect.right, placement.client.right);
    EXPECT_EQ(rect.bottom, placement.client.bottom);
  }
}

inline void expect_designed_outer_rect(HWND form) {
  RECT outer;
  GetWindowRect(form, &outer);
  EXPECT_EQ(outer.left, 192);
  EXPECT_EQ(outer.top, 107);
  EXPECT_EQ(outer.right - outer.left, 541);
  EXPECT_EQ(outer.bottom - outer.top, 528);
}

inline bool has_style(HWND window, LONG style) {
  return (GetWindowLongW(window, GWL_STYLE) & style) == style;
}

}  // namespace layout
