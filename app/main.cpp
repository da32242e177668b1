// Entry point: the application object, Form1 created through it, and the message loop.
#include <windows.h>

#include "app/application.h"
#include "launch/platform_win32.h"
#include "ui/Unit1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  launch::Win32Platform platform;
  TApplication application(instance, platform);
  application.Initialize();
  application.CreateForm();
  application.Run(show_command);
  return 0;
}
