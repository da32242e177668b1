/* Stand-in installer for the tests: records how it was started, then ends or waits when asked.
 *
 * One line per start is appended to the file named by SETUP_RIG_LOG, in UTF-8:
 * creation time (100 ns units), process id, STARTUPINFO flags, wShowWindow, own path, command
 * line, separated by tabs. When SETUP_RIG_HOLD names an event, the stub waits for it (at most a
 * minute) before it ends, so a test can see it outlive the launcher.
 */
#include <stdio.h>
#include <windows.h>

static void append_utf8(HANDLE file, const wchar_t* text) {
  char bytes[8192];
  int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, NULL, NULL);
  DWORD written = 0;
  if (length > 1) WriteFile(file, bytes, (DWORD)(length - 1), &written, NULL);
}

int wmain(void) {
  wchar_t log_path[MAX_PATH * 2];
  if (GetEnvironmentVariableW(L"SETUP_RIG_LOG", log_path, MAX_PATH * 2) == 0) return 0;

  wchar_t module[MAX_PATH * 2] = L"";
  GetModuleFileNameW(NULL, module, MAX_PATH * 2);
  STARTUPINFOW startup;
  GetStartupInfoW(&startup);
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  ULONGLONG created_ticks = ((ULONGLONG)created.dwHighDateTime << 32) | created.dwLowDateTime;

  wchar_t line[8192];
  _snwprintf(line, sizeof line / sizeof line[0] - 1, L"%llu\t%lu\t0x%lx\t%u\t%ls\t%ls\r\n",
             created_ticks, GetCurrentProcessId(), startup.dwFlags, (unsigned)startup.wShowWindow,
             module, GetCommandLineW());
  line[sizeof line / sizeof line[0] - 1] = 0;

  /* Several stubs may start at once: one WriteFile of the whole line to an append handle. */
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileW(log_path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) Sleep(10);
  }
  if (file == INVALID_HANDLE_VALUE) return 1;
  append_utf8(file, line);
  CloseHandle(file);

  wchar_t hold[256];
  if (GetEnvironmentVariableW(L"SETUP_RIG_HOLD", hold, 256) != 0) {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, hold);
    if (event) {
      WaitForSingleObject(event, 60000);
      CloseHandle(event);
    }
  }
  return 0;
}
