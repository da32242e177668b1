// Every button, clicked with the mouse, starts exactly its commands, in order, shown normally,
// from wherever the medium lies.
#include <gtest/gtest.h>

#include "expected.h"
#include "rig.h"

namespace {

void every_button_starts_exactly_its_commands(const rig::Medium& medium) {
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  std::size_t total = 0;
  for (const expected::Button& button : expected::buttons()) {
    SCOPED_TRACE(rig::narrow(button.caption));
    const auto starts = rig::click_and_wait(launcher, button.caption, button.steps.size());
    EXPECT_EQ(expected::records(starts), expected::records(button, medium.root));
    total += button.steps.size();
  }
  EXPECT_EQ(rig::read_starts(medium.log).size(), total);
  EXPECT_TRUE(launcher.answers());
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(EveryButton, FromPlainFolder) {
  every_button_starts_exactly_its_commands(rig::lay_out_medium(rig::media_dir() + L"plain\\"));
}

TEST(EveryButton, FromFolderWithSpaces) {
  // Unquoted, "...\spaces\My Setup Disc\mysql\setup.exe" would start this My.exe instead.
  const std::wstring parent = rig::media_dir() + L"spaces\\";
  const rig::Medium medium = rig::lay_out_medium(parent + L"My Setup Disc\\");
  rig::copy_file(rig::product_dir() + L"stub_installer.exe", parent + L"My.exe");
  every_button_starts_exactly_its_commands(medium);
}

TEST(EveryButton, FromDriveRoot) {
  // M: is mapped by the rig to a folder of its own, like a disc in its drive.
  every_button_starts_exactly_its_commands(rig::lay_out_medium(L"M:\\"));
}

TEST(Cp936Folder, EveryButtonStartsExactlyItsCommands) {
  // 誠 is D5 5C in code page 936: its second byte is the byte of "\". It stands in the folder's
  // name and in the program's, where a byte-wise search would end the folder. 光盘 (B9E2 C5CC)
  // puts four lead-range bytes before the real separator: two whole characters, no second byte.
  ASSERT_EQ(GetACP(), 936u) << "this test needs Wine started in a zh_CN locale";
  every_button_starts_exactly_its_commands(
      rig::lay_out_medium(rig::media_dir() + L"誠光盘\\", L"安装誠.exe"));
}

}  // namespace
