// The launcher's life: it never waits, is never held up, and leaves what it started alone.
#include <gtest/gtest.h>

#include "expected.h"
#include "rig.h"

namespace {

using namespace std::chrono_literals;

TEST(LifeCycle, ClosingTheLauncherLeavesARunningInstallerRunning) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"hold\\");
  // The stand-in waits for this event before it ends.
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"setup_rig_hold");
  ASSERT_NE(release, nullptr);
  SetEnvironmentVariableW(L"SETUP_RIG_HOLD", L"setup_rig_hold");
  DWORD installer_pid = 0;
  {
    rig::Launcher launcher(medium);
    SetEnvironmentVariableW(L"SETUP_RIG_HOLD", nullptr);
    ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
    const auto starts = rig::click_and_wait(launcher, L"安装数据库服务器", 1);
    ASSERT_EQ(starts.size(), 1u);
    installer_pid = starts[0].pid;
    EXPECT_TRUE(launcher.answers()) << "the launcher waits for the installer";
    EXPECT_EQ(launcher.close(), 0u);
  }
  HANDLE installer = OpenProcess(SYNCHRONIZE, FALSE, installer_pid);
  ASSERT_NE(installer, nullptr) << "the installer ended with the launcher";
  EXPECT_EQ(WaitForSingleObject(installer, 500), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the installer ended with the launcher";
  SetEvent(release);
  EXPECT_EQ(WaitForSingleObject(installer, 10000), WAIT_OBJECT_0);
  CloseHandle(installer);
  CloseHandle(release);
}

TEST(LifeCycle, TwoCopiesRunSideBySide) {
  const rig::Medium first = rig::lay_out_medium(rig::media_dir() + L"first\\");
  const rig::Medium second = rig::lay_out_medium(rig::media_dir() + L"second\\");
  rig::Launcher one(first);
  ASSERT_NO_FATAL_FAILURE(one.wait_until_ready());
  rig::Launcher two(second);
  ASSERT_NO_FATAL_FAILURE(two.wait_until_ready());
  // Both open at the designed place: move the second aside, as a person would, to reach both.
  SetWindowPos(two.form(), nullptr, 480, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_NE(one.form(), two.form());
  EXPECT_EQ(expected::records(rig::click_and_wait(one, L"安装数据库服务器", 1)),
            expected::records(expected::buttons()[0], first.root));
  EXPECT_EQ(expected::records(rig::click_and_wait(two, L"安装软件", 2)),
            expected::records(expected::buttons()[4], second.root));
  EXPECT_EQ(two.close(), 0u);
  EXPECT_TRUE(one.answers());
  EXPECT_EQ(one.close(), 0u);
}

TEST(LifeCycle, MissingInstallerGivesNoMessageAndTheWindowStaysUsable) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"missing\\");
  DeleteFileW((medium.root + L"mysql\\setup.exe").c_str());
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  HWND server = launcher.button(L"安装数据库服务器");
  rig::click(launcher, server);
  // The click arrived: the button took the focus from 安装myodbc.
  EXPECT_TRUE(rig::wait_until([&] { return launcher.focus() == server; }, 5s));
  Sleep(2000);
  EXPECT_TRUE(rig::read_starts(medium.log).empty());
  EXPECT_EQ(launcher.visible_windows().size(), 2u) << "a message appeared";
  EXPECT_TRUE(launcher.answers());
  EXPECT_EQ(expected::records(rig::click_and_wait(launcher, L"安装mdac2.8", 1)),
            expected::records(expected::buttons()[5], medium.root));
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(LifeCycle, TwentyQuickClicksStartTwentySets) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"twenty\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  HWND button = launcher.button(L"安装空数据");
  ASSERT_NO_FATAL_FAILURE(rig::click(launcher, button));
  RECT rect;
  GetWindowRect(button, &rect);
  const POINT center{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // Quick as a person can: pairs of them arrive as double clicks, which click twice.
  for (int i = 1; i < 20; ++i) {
    Sleep(100);
    rig::click_at(center);
  }
  rig::wait_for_starts(medium.log, 40, 60s);
  Sleep(500);
  const auto all = rig::read_starts(medium.log);
  EXPECT_EQ(all.size(), 40u);
  std::size_t stops = 0;
  std::size_t installers = 0;
  const auto set = expected::records(expected::buttons()[1], medium.root);
  for (const std::wstring& record : expected::records(all)) {
    stops += record == set[0];
    installers += record == set[1];
  }
  EXPECT_EQ(stops, 20u);
  EXPECT_EQ(installers, 20u);
  EXPECT_TRUE(launcher.answers());
  EXPECT_EQ(launcher.close(), 0u);
}

}  // namespace
