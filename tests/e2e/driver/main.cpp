// Driver entry: puts the stand-in net.exe into the system directory, gives setup.exe the
// Windows version the run is for, then runs the tests.
#include <gtest/gtest.h>

#include "rig.h"
#include "windows_version.h"

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Wine runs this instead of its own net.exe, given WINEDLLOVERRIDES=net.exe=n.
  rig::copy_file(rig::product_dir() + L"stub_installer.exe", rig::system_dir() + L"\\net.exe");
  // A driver that died inside a test of another density left it in the shared prefix.
  rig::set_density(96);
  rig::clear_launcher_settings();
  if (!rig::give_launchers_their_windows()) return 2;
  const int result = RUN_ALL_TESTS();
  // The next run of the driver may be meant for the rig's own Windows.
  rig::clear_launcher_settings();
  return result;
}
