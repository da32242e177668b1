// Entry point: the application object, Form1 created through it, and the message loop.
#include <windows.h>

#include "app/application.h"
#include "app/error_text.h"
#include "launch/platform_win32.h"
#include "ui/Unit1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
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
