// The launcher's windows: start-up states, task-bar entry and caption, focus and keyboard.
#include <gtest/gtest.h>

#include "expected.h"
#include "layout.h"
#include "rig.h"

namespace {

using namespace std::chrono_literals;

const std::wstring kFormCaption = L"Orvella安装软件";

TEST(StartUp, MaximisedWhenStartedMaximised) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"maximised\\");
  rig::Launcher launcher(medium, SW_SHOWMAXIMIZED);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  EXPECT_TRUE(IsZoomed(launcher.form()));
  EXPECT_EQ(launcher.focus(), launcher.button(L"安装myodbc"));
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(StartUp, MinimisedWithoutActivationThenRestoredFromTaskBarEntry) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"minimised\\");
  rig::Launcher launcher(medium, SW_SHOWMINNOACTIVE);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready(false));
  Sleep(500);
  EXPECT_TRUE(IsIconic(launcher.application_window()));
  EXPECT_TRUE(IsWindowVisible(launcher.application_window()));
  EXPECT_FALSE(IsWindowVisible(launcher.form()));
  DWORD foreground_pid = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &foreground_pid);
  EXPECT_NE(foreground_pid, launcher.pid()) << "started minimised, it must not take the focus";

  // What a task bar does when its entry is clicked.
  PostMessageW(launcher.application_window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(rig::wait_until([&] { return IsWindowVisible(launcher.form()) != FALSE; }, 5s));
  EXPECT_FALSE(IsIconic(launcher.application_window()));
  EXPECT_FALSE(IsZoomed(launcher.form()));
  EXPECT_TRUE(
      rig::wait_until([&] { return launcher.focus() == launcher.button(L"安装myodbc"); }, 5s));
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(StartUp, EnterRightAfterStartInstallsTheOdbcDriver) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"enter\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  ASSERT_TRUE(rig::wait_until([&] { return launcher.focus() != nullptr; }, 5s));
  EXPECT_EQ(launcher.focus(), launcher.button(L"安装myodbc"));
  rig::press_key(VK_RETURN);
  rig::wait_for_starts(medium.log, 1);
  Sleep(300);
  EXPECT_EQ(expected::records(rig::read_starts(medium.log)),
            expected::records(expected::buttons()[3], medium.root));
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(Windows, FormAndButtonsStandWhereDesigned) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"layout\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  layout::expect_designed_outer_rect(launcher.form());
  layout::expect_buttons_at(launcher, layout::kDesigned);
  // Everything fits at the designed density.
  EXPECT_FALSE(layout::has_style(launcher.form(), WS_HSCROLL));
  EXPECT_FALSE(layout::has_style(launcher.form(), WS_VSCROLL));
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(Windows, TaskBarEntryCarriesTheTitleAndTheFormItsCaption) {
  struct Case {
    const wchar_t* program;
    const wchar_t* title;
  };
  for (const Case& c : {Case{L"SETUP.EXE", L"Setup"}, Case{L"my.setup.exe", L"my"}}) {
    SCOPED_TRACE(rig::narrow(c.program));
    const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"title\\", c.program);
    rig::Launcher launcher(medium);
    ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
    HWND entry = launcher.application_window();
    // A task bar lists visible, unowned windows that are not tool windows.
    EXPECT_TRUE(IsWindowVisible(entry));
    EXPECT_EQ(GetWindow(entry, GW_OWNER), nullptr);
    EXPECT_FALSE(GetWindowLongW(entry, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(rig::window_text(entry), c.title);
    // The form is owned by it, so it has no entry of its own.
    EXPECT_EQ(GetWindow(launcher.form(), GW_OWNER), entry);
    EXPECT_FALSE(GetWindowLongW(launcher.form(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(rig::window_text(launcher.form()), kFormCaption);
    EXPECT_EQ(launcher.visible_windows().size(), 2u);
    EXPECT_EQ(launcher.close(), 0u);
  }
}

// The point of the form's minimise box, found the way the system finds it.
POINT minimise_box(HWND form) {
  RECT rect;
  GetWindowRect(form, &rect);
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  for (int y = rect.top + 2; y < rect.top + caption + 8; y += 2) {
    for (int x = rect.right - 2; x > rect.right - 6 * caption; x -= 2) {
      const LRESULT hit = SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit == HTMINBUTTON) return {x, y};
    }
  }
  return {-1, -1};
}

TEST(Windows, MinimiseHidesTheFormIntoItsTaskBarEntryAndRestoreBringsItBack) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"minimise\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  const POINT box = minimise_box(launcher.form());
  ASSERT_GE(box.x, 0) << "no minimise box on the form";
  rig::click_at(box);
  EXPECT_TRUE(rig::wait_until(
      [&] { return !IsWindowVisible(launcher.form()) && IsIconic(launcher.application_window()); },
      5s))
      << "the minimise box did not hide the form into the task-bar entry";
  EXPECT_TRUE(IsWindowVisible(launcher.application_window()));

  PostMessageW(launcher.application_window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(rig::wait_until(
      [&] { return IsWindowVisible(launcher.form()) && GetForegroundWindow() == launcher.form(); },
      5s))
      << "restoring the task-bar entry did not bring the form back";
  EXPECT_FALSE(IsIconic(launcher.application_window()));
  EXPECT_EQ(launcher.focus(), launcher.button(L"安装myodbc"));
  EXPECT_EQ(launcher.close(), 0u);
}

std::vector<std::wstring> focus_walk(rig::Launcher& launcher, bool shift) {
  std::vector<std::wstring> visited{rig::window_text(launcher.focus())};
  for (int i = 0; i < 8; ++i) {
    HWND before = launcher.focus();
    rig::press_key(VK_TAB, shift);
    rig::wait_until([&] { return launcher.focus() != before; }, 3s);
    visited.push_back(rig::window_text(launcher.focus()));
  }
  return visited;
}

TEST(Keyboard, TabAndShiftTabWalkTheTabOrder) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"tab\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  ASSERT_TRUE(rig::wait_until([&] { return launcher.focus() != nullptr; }, 5s));
  const std::vector<std::wstring> cycle = {L"安装myodbc",       L"启动Mysql",   L"停止Mysql",
                                           L"安装空数据",       L"安装软件",    L"安装演示数据",
                                           L"安装数据库服务器", L"安装mdac2.8", L"安装myodbc"};
  EXPECT_EQ(focus_walk(launcher, false), cycle);
  EXPECT_EQ(focus_walk(launcher, true), std::vector<std::wstring>(cycle.rbegin(), cycle.rend()));
  EXPECT_TRUE(rig::read_starts(medium.log).empty()) << "moving the focus started something";
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(Keyboard, SpaceAndEnterClickTheFocusedButton) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"keys\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  ASSERT_TRUE(rig::wait_until([&] { return launcher.focus() != nullptr; }, 5s));
  rig::press_key(VK_TAB);  // to 启动Mysql
  ASSERT_TRUE(
      rig::wait_until([&] { return launcher.focus() == launcher.button(L"启动Mysql"); }, 3s));
  rig::press_key(VK_SPACE);
  rig::wait_for_starts(medium.log, 1);
  rig::press_key(VK_TAB);  // to 停止Mysql
  ASSERT_TRUE(
      rig::wait_until([&] { return launcher.focus() == launcher.button(L"停止Mysql"); }, 3s));
  rig::press_key(VK_RETURN);
  rig::wait_for_starts(medium.log, 2);
  Sleep(300);
  std::vector<std::wstring> want = expected::records(expected::buttons()[6], medium.root);
  const auto stop = expected::records(expected::buttons()[7], medium.root);
  want.insert(want.end(), stop.begin(), stop.end());
  EXPECT_EQ(expected::records(rig::read_starts(medium.log)), want);
  EXPECT_EQ(launcher.close(), 0u);
}

}  // namespace
