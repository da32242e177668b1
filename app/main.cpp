// Entry point: the application object, Form1 created through it, and the message loop.
#include <windows.h>

#include "app/application.h"
#include "app/error_text.h"
#include "launch/platform_win32.h"
#include "ui/Unit1.h"

namespace {

// A setup program often runs from a download folder, where a planted DLL named like a system
// one would otherwise be loaded in its place: DLLs loaded from now on come from the system
// directory only. Windows 2000, XP and Vista without the 2011 update lack the call.
void load_dlls_from_the_system_directory_only() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");  // the start-up code imports the A form
  const auto set_default_dll_directories = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set_default_dll_directories) {
    set_default_dll_directories(0x00000800);  // LOAD_LIBRARY_SEARCH_SYSTEM32
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  load_dlls_from_the_system_directory_only();
  launch::Win32Platform platform;
  TApplication application(instance, platform);
  application.Initialize();
  // Without its window there is nothing to run: say why instead of vanishing.
  if (const auto error = app::run_guarded([&] { application.CreateForm(); })) {
    application.ShowError(*error);
    return 1;
  }
  application.Run(show_command);
  return 0;
}
