// Wine's Windows version setting for programs called setup.exe, and the version read back from
// a running process.
#include "windows_version.h"

#include <winternl.h>

#include <cstdio>

#include "rig.h"

namespace rig {

namespace {

// Wine's names, with the numbers those systems report.
const WindowsVersion kKnown[] = {
    {L"win2k", 5, 0}, {L"winxp", 5, 1}, {L"win7", 6, 1}, {L"win10", 10, 0}};

const WindowsVersion* known(const std::wstring& name) {
  for (const WindowsVersion& version : kKnown) {
    if (version.name == name) return &version;
  }
  return nullptr;
}

std::wstring environment(const wchar_t* name) {
  wchar_t value[64];
  const DWORD length = GetEnvironmentVariableW(name, value, 64);
  return length > 0 && length < 64 ? value : L"";
}

std::wstring registry_text(const wchar_t* key, const wchar_t* name) {
  wchar_t value[64];
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
      ERROR_SUCCESS) {
    return L"";
  }
  return value;
}

}  // namespace

WindowsVersion launcher_windows() {
  std::wstring name = environment(L"RIG_WINDOWS");
  if (name.empty()) name = registry_text(L"Software\\Wine", L"Version");
  const WindowsVersion* version = known(name);
  return version ? *version : WindowsVersion{name};
}

bool give_launchers_their_windows() {
  const std::wstring name = environment(L"RIG_WINDOWS");
  if (name.empty()) return true;
  if (!known(name)) {
    std::fprintf(stderr, "RIG_WINDOWS=%s: the rig knows win2k, winxp, win7 and win10\n",
                 narrow(name).c_str());
    return false;
  }
  if (!set_launcher_setting(L"", L"Version", name)) {
    std::fprintf(stderr, "cannot give setup.exe the Windows version %s\n", narrow(name).c_str());
    return false;
  }
  return true;
}

WindowsVersion running_windows(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) !=
      0) {
    return {};
  }
  // OSMajorVersion and OSMinorVersion, side by side in the PEB of a 32-bit process.
  DWORD numbers[2] = {};
  if (!ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xA4,
                         numbers, sizeof numbers, nullptr)) {
    return {};
  }
  WindowsVersion version{L"", numbers[0], numbers[1]};
  for (const WindowsVersion& candidate : kKnown) {
    if (candidate.major == version.major && candidate.minor == version.minor) {
      version.name = candidate.name;
    }
  }
  return version;
}

}  // namespace rig
