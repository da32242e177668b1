/* The floor for the benchmark: the least a Win32 program does to show a 541 x 528 window, in C
 * with no C++ runtime: register a class, create the window, run the message loop.
 *
 * Given a command line, it is also the floor for a click: the window then has one push button
 * that starts that command line through WinExec, as setup.exe starts its installers. */
#include <windows.h>

static char command[1024];

static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
    WinExec(command, SW_SHOWNORMAL);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
  (void)previous;
  WNDCLASSW window_class = {0};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"BenchBaseline";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"BenchBaseline", L"Baseline", WS_OVERLAPPEDWINDOW, 192, 107,
                                541, 528, NULL, NULL, instance, NULL);
  if (command_line[0] != L'\0') {
    WideCharToMultiByte(CP_ACP, 0, command_line, -1, command, sizeof command, NULL, NULL);
    CreateWindowExW(0, L"BUTTON", L"Start", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 40,
                    56, 113, 65, window, NULL, instance, NULL);
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
