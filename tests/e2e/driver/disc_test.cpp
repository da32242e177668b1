// The launcher run from the files of make-medium's disc image, in a drive Windows takes for a
// CD-ROM drive, starts its installers from the disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "expected.h"
#include "rig.h"

namespace {

bool is_file(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string read_file(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

TEST(Disc, DatabaseServerButtonStartsTheInstallerFromTheDisc) {
  const std::wstring root = rig::disc_root();
  // On a drive of another type this would be one more run from a folder.
  ASSERT_EQ(GetDriveTypeW(root.c_str()), static_cast<UINT>(DRIVE_CDROM))
      << rig::narrow(root) << " is not a CD-ROM drive";
  // AutoPlay opens the menu as the disc goes in only through this file, and only a program
  // that is on the disc.
  ASSERT_TRUE(is_file(root + L"autorun.inf")) << "the disc holds no autorun.inf";
  const std::string autorun = read_file(root + L"autorun.inf");
  EXPECT_EQ(autorun.rfind("[autorun]\r\n", 0), 0u) << autorun;
  EXPECT_NE(autorun.find("\r\nopen=setup.exe\r\n"), std::string::npos) << autorun;
  ASSERT_TRUE(is_file(root + L"setup.exe")) << "the disc holds no setup.exe";

  // A disc cannot be written: the stand-ins record beside the rig.
  const rig::Medium medium{root, L"setup.exe", rig::rig_dir() + L"\\disc-starts.log"};
  DeleteFileW(medium.log.c_str());
  const auto& buttons = expected::buttons();
  const auto button = std::find_if(buttons.begin(), buttons.end(), [](const auto& b) {
    return b.caption == L"安装数据库服务器";
  });
  ASSERT_NE(button, buttons.end());

  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  const auto starts = rig::click_and_wait(launcher, button->caption, button->steps.size());
  EXPECT_EQ(expected::records(starts), expected::records(*button, root));
  EXPECT_EQ(rig::read_starts(medium.log).size(), button->steps.size());
  EXPECT_TRUE(launcher.answers());
  EXPECT_EQ(launcher.close(), 0u);
}

}  // namespace
