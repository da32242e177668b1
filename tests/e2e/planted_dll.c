/* A planted DLL for the tests: built under the name of a system DLL and laid beside setup.exe,
 * it leaves "<its own path>.loaded" behind whenever a process loads it.
 *
 * It then refuses to stay (DllMain fails): the loader drops it again, the process goes on as
 * if the DLL had not been found, and nothing calls into exports it does not have.
 */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)reserved;
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t marker[MAX_PATH * 2];
  DWORD length = GetModuleFileNameW(instance, marker, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return FALSE;
  lstrcatW(marker, L".loaded");
  HANDLE file = CreateFileW(marker, GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, NULL);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return FALSE;
}
