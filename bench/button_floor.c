/* The floor for a click: a bare window with one push button that starts, through WinExec as
 * setup.exe does, the command line it was given. What a click on it costs is what any button
 * that starts a program costs: the input's way to the window, the button, and WinExec. */
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)previous;
  lstrcpynA(command, command_line, sizeof command);
  WNDCLASSW window_class = {0};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  window_class.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"BenchButtonFloor";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"BenchButtonFloor", L"Button floor", WS_OVERLAPPEDWINDOW, 192,
                                107, 541, 528, NULL, NULL, instance, NULL);
  CreateWindowExW(0, L"BUTTON", L"Start", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 40,
                  56, 113, 65, window, NULL, instance, NULL);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, NULL, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
