// The Windows version the launcher is given under Wine, and the one it really runs as.
#pragma once

#include <windows.h>

#include <string>

namespace rig {

struct WindowsVersion {
  std::wstring name;  // Wine's name of it: win2k, winxp, win7, win10
  DWORD major = 0;
  DWORD minor = 0;
};

// RIG_WINDOWS, when set, names the version programs called setup.exe are given (Wine looks it
// up by the executable's name); otherwise they run as the rig's own Windows.
WindowsVersion launcher_windows();

// Gives programs called setup.exe the version RIG_WINDOWS names, if it names one. False, with a
// message, for a version the rig does not know or cannot set.
bool give_launchers_their_windows();

// The version as the process sees it: what its PEB holds, and what GetVersionEx reports to a
// program whose manifest declares Windows 10, as setup.exe's does.
WindowsVersion running_windows(HANDLE process);

}  // namespace rig
