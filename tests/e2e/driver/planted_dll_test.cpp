// A DLL planted beside setup.exe under the name of one loaded for it once it runs is never
// loaded: DLLs loaded after start-up come from the system directory only.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

#include "expected.h"
#include "rig.h"

namespace {

// Wine's user32 loads uxtheme.dll by name when the first window is made, after wWinMain has
// begun; without the restriction, the search would start in the program's folder.
const std::wstring kPlanted = L"uxtheme";
const std::wstring kPlantedName = kPlanted + L".dll";

std::vector<std::wstring> modules_of(DWORD pid) {
  std::vector<std::wstring> paths;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snapshot == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot list the modules of process " << pid << ": error " << GetLastError();
    return paths;
  }
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
    paths.push_back(entry.szExePath);
  }
  CloseHandle(snapshot);
  return paths;
}

bool holds(const std::vector<std::wstring>& paths, const std::wstring& path) {
  return std::any_of(paths.begin(), paths.end(), [&](const std::wstring& p) {
    return lstrcmpiW(p.c_str(), path.c_str()) == 0;
  });
}

bool exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Native before built-in for one DLL in the programs called setup.exe started while it lives:
// Wine then takes the first copy on the search path, as Windows does, instead of its own. It
// must be the registry: Wine hands WINEDLLOVERRIDES to a new process from its parent's Unix
// environment, never from the Windows one a test could change.
class NativeFirst {
 public:
  explicit NativeFirst(const std::wstring& dll) : dll_(dll) {
    EXPECT_TRUE(rig::set_launcher_setting(L"DllOverrides", dll_, L"native,builtin"))
        << "cannot make " << rig::narrow(dll_) << " native first for setup.exe";
  }
  ~NativeFirst() { rig::remove_launcher_setting(L"DllOverrides", dll_); }
  NativeFirst(const NativeFirst&) = delete;
  NativeFirst& operator=(const NativeFirst&) = delete;

 private:
  std::wstring dll_;
};

TEST(PlantedDll, BesideTheLauncherIsNeverLoaded) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"planted\\");
  const std::wstring planted = medium.root + kPlantedName;
  rig::copy_file(rig::planted_dll(), planted);
  const std::wstring marker = planted + L".loaded";  // left behind by the planted copy's DllMain

  const NativeFirst native(kPlanted);
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  EXPECT_FALSE(exists(marker)) << "setup.exe loaded the planted " << rig::narrow(planted);
  // The load did happen, from the system directory: without it, passing would prove nothing.
  const std::wstring system_copy = rig::system_dir() + L"\\" + kPlantedName;
  EXPECT_TRUE(holds(modules_of(launcher.pid()), system_copy))
      << "setup.exe holds no " << rig::narrow(system_copy);

  // The commands a click starts bring none in either.
  DeleteFileW(marker.c_str());
  EXPECT_EQ(expected::records(rig::click_and_wait(launcher, L"安装软件", 2)),
            expected::records(expected::buttons()[4], medium.root));
  EXPECT_FALSE(exists(marker)) << "setup.exe loaded the planted " << rig::narrow(planted)
                               << " on a click";
  EXPECT_EQ(launcher.close(), 0u);
}

}  // namespace
