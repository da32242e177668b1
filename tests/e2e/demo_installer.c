/* Stand-in installer for the demonstration medium: says what it stands for and how it was
 * started, in a message box. */
#include <windows.h>
#include <wchar.h>

struct stand_in {
  const wchar_t* folder;
  const wchar_t* what;
};

static const struct stand_in kStandIns[] = {
    {L"mysql", L"the database server's installer"},
    {L"mysqlemptydata", L"the installer of the empty data set"},
    {L"mysqldata", L"the installer of the demonstration data"},
    {L"myodbc", L"the ODBC driver's installer"},
    {L"soft", L"the application software's installer"},
    {L"mdac28", L"the data-access components 2.8 installer"},
};

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR arguments, int show) {
  (void)instance;
  (void)previous;
  (void)arguments;
  (void)show;
  wchar_t path[MAX_PATH * 2] = L"";
  GetModuleFileNameW(NULL, path, MAX_PATH * 2);
  /* The folder the stand-in lies in names what it stands for. */
  wchar_t* name = wcsrchr(path, L'\\');
  if (name) *name = 0;
  wchar_t* folder = wcsrchr(path, L'\\');
  folder = folder ? folder + 1 : path;
  const wchar_t* what = L"an installer";
  for (size_t i = 0; i < sizeof kStandIns / sizeof kStandIns[0]; ++i) {
    if (_wcsicmp(folder, kStandIns[i].folder) == 0) what = kStandIns[i].what;
  }
  wchar_t text[4096];
  _snwprintf(text, sizeof text / sizeof text[0] - 1, L"This stands in for %ls.\n\nStarted as:\n%ls",
             what, GetCommandLineW());
  text[sizeof text / sizeof text[0] - 1] = 0;
  MessageBoxW(NULL, text, L"Demo installer", MB_OK | MB_ICONINFORMATION);
  return 0;
}
