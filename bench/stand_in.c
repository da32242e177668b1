/* The benchmark's stand-in installer: a window program, as real installers are, that appends its
 * creation time (100 ns units) and process id to the file named by SETUP_RIG_LOG and ends. It
 * looks at its message queue once before it ends: WinExec waits until a started window program
 * first waits for input, and one that never does would hold the launcher for half a minute. */
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR command_line, int show) {
  (void)instance;
  (void)previous;
  (void)command_line;
  (void)show;
  wchar_t log_path[MAX_PATH * 2];
  if (GetEnvironmentVariableW(L"SETUP_RIG_LOG", log_path, MAX_PATH * 2) == 0) return 0;
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  char line[64];
  wsprintfA(line, "%I64u\t%lu\r\n",
            ((unsigned long long)created.dwHighDateTime << 32) | created.dwLowDateTime,
            GetCurrentProcessId());
  HANDLE file = CreateFileW(log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line, (DWORD)lstrlenA(line), &written, NULL);
  CloseHandle(file);
  MSG message;
  PeekMessageW(&message, NULL, 0, 0, PM_NOREMOVE);
  return 0;
}
