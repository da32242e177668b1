// Driver entry: puts the stand-in net.exe into the system directory, then runs the tests.
#include <gtest/gtest.h>

#include "rig.h"

int wmain(int argc, wchar_t** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Wine runs this instead of its own net.exe, given WINEDLLOVERRIDES=net.exe=n.
  rig::copy_file(rig::product_dir() + L"stub_installer.exe", rig::system_dir() + L"\\net.exe");
  // A driver that died inside a test of another density left it in the shared prefix.
  rig::set_density(96);
  return RUN_ALL_TESTS();
}
