// Benchmark driver, run under the rig's Wine: setup.exe's start-up, click-to-launch and memory
// against a bare window (baseline.exe), a bare CreateProcess of the same stand-in installer and
// a click on a bare window's one button.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWarmUps = 3;
constexpr int kRuns = 30;
constexpr DWORD kPatience = 10000;  // ms for a window to show or a stand-in to start
constexpr DWORD kSettle = 200;      // ms left to a drawn window before it is clicked

double now_ms() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The clock the stand-in's record uses: its process creation time, in 100 ns units.
unsigned long long now_filetime() {
  FILETIME time;
  GetSystemTimePreciseAsFileTime(&time);
  return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "bench: %s\n", why.c_str());
  std::exit(1);
}

struct Search {
  DWORD pid;
  const wchar_t* window_class;
  HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner == search->pid && IsWindowVisible(window) &&
      lstrcmpW(name, search->window_class) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND visible_window(DWORD pid, const wchar_t* window_class) {
  Search search{pid, window_class, nullptr};
  EnumWindows(match_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Reads rectangles of the screen into one DIB made once, so that polling costs the program
// being timed as little as it can.
class ScreenReader {
 public:
  ScreenReader() : screen_(GetDC(nullptr)), memory_(CreateCompatibleDC(screen_)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(memory_, bitmap_);
  }
  ~ScreenReader() {
    SelectObject(memory_, old_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
    ReleaseDC(nullptr, screen_);
  }
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // The pixels (0x00RRGGBB) of a rectangle of a window's client area, row by row.
  std::vector<DWORD> client_pixels(HWND window, RECT client) {
    POINT origin{client.left, client.top};
    ClientToScreen(window, &origin);
    const int width = std::min<int>(client.right - client.left, kWidth);
    const int height = std::min<int>(client.bottom - client.top, kHeight);
    BitBlt(memory_, 0, 0, width, height, screen_, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* bits = static_cast<const DWORD*>(bits_);
    std::vector<DWORD> pixels;
    for (int y = 0; y < height; ++y)
      pixels.insert(pixels.end(), bits + y * kWidth, bits + y * kWidth + width);
    return pixels;
  }

 private:
  static constexpr int kWidth = 256, kHeight = 64;
  HDC screen_;
  HDC memory_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

struct Program {
  std::wstring path;
  const wchar_t* window_class;
  // setup.exe paints its labels last, the red credentials last of all: painted means red there.
  bool wait_for_red_label;
  std::wstring arguments = {};
};

bool painted(const Program& program, HWND window, ScreenReader& screen) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const DWORD face_rgb = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
  if (screen.client_pixels(window, RECT{4, 4, 5, 5})[0] != face_rgb) return false;
  if (!program.wait_for_red_label) return true;
  for (DWORD pixel : screen.client_pixels(window, RECT{368, 420, 489, 450})) {
    const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    if (r > 160 && g < 110 && b < 110) return true;
  }
  return false;
}

struct Started {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double startup_ms = 0;
};

PROCESS_INFORMATION create(const std::wstring& path, const std::wstring& arguments = {}) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  std::wstring command_line = L"\"" + path + L"\"";
  if (!arguments.empty()) command_line += L" " + arguments;
  const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process)) {
    fail("cannot start " + std::string(path.begin(), path.end()));
  }
  return process;
}

// From process creation to the window shown and its first paint complete.
Started start(const Program& program, ScreenReader& screen) {
  Started started;
  const double begin = now_ms();
  started.process = create(program.path, program.arguments);
  while (now_ms() - begin < kPatience) {
    if (!started.window) {
      started.window = visible_window(started.process.dwProcessId, program.window_class);
    }
    if (started.window && painted(program, started.window, screen)) {
      started.startup_ms = now_ms() - begin;
      return started;
    }
    Sleep(1);
  }
  fail("no painted window from a program");
}

double peak_working_set_kib(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) fail("no memory counters");
  return static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
}

void close(Started& started) {
  PostMessageW(started.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(started.process.hProcess, 1);
    fail("a program did not close");
  }
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
}

// The stand-ins append "creation time<TAB>…" per start to the log; the newest line's time.
struct Log {
  std::wstring path;

  std::size_t lines() const {
    std::size_t count = 0;
    for (char c : contents()) count += c == '\n';
    return count;
  }
  unsigned long long last_creation() const {
    const std::string text = contents();
    const std::size_t end = text.find_last_of('\n');
    const std::size_t start = text.find_last_of('\n', end - 1);
    return std::stoull(text.substr(start == std::string::npos ? 0 : start + 1));
  }
  std::string contents() const {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(file);
    text.resize(read);
    return text;
  }
  bool wait_for(std::size_t count, DWORD patience) const {
    const double begin = now_ms();
    while (lines() < count) {
      if (now_ms() - begin > patience) return false;
      Sleep(1);
    }
    return true;
  }
};

void click_at(POINT at) {
  const double x = at.x * 65535.0 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  const double y = at.y * 65535.0 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>(x + 0.5);
    input.mi.dy = static_cast<LONG>(y + 0.5);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(3, inputs, sizeof(INPUT));
}

// From the click on a window's button to the creation of the stand-in it starts.
double click_to_launch_ms(const Started& program, const wchar_t* caption, const Log& log) {
  HWND button = FindWindowExW(program.window, nullptr, L"Button", caption);
  if (!button) fail("no button " + std::string(caption, caption + lstrlenW(caption)));
  RECT box;
  GetWindowRect(button, &box);
  const POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  const std::size_t before = log.lines();
  for (int attempt = 0; attempt < 2; ++attempt) {
    SetCursorPos(centre.x, centre.y);
    if (HWND under = WindowFromPoint(centre); under != button) {
      wchar_t name[64] = L"";
      GetClassNameW(under, name, 64);
      fail("the button is not under the pointer but a " + std::string(name, name + lstrlenW(name)));
    }
    const unsigned long long clicked = now_filetime();
    click_at(centre);
    if (log.wait_for(before + 1, 3000)) {
      return static_cast<double>(log.last_creation() - clicked) / 10000.0;
    }
    std::printf("bench: a click started nothing within 3 s; clicking once more\n");
  }
  fail("two clicks started nothing");
}

// From CreateProcess to the creation of the same stand-in.
double bare_launch_ms(const std::wstring& stub, const Log& log) {
  const std::size_t before = log.lines();
  const unsigned long long begin = now_filetime();
  PROCESS_INFORMATION process = create(stub);
  if (!log.wait_for(before + 1, kPatience)) fail("the bare launch recorded nothing");
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<double>(log.last_creation() - begin) / 10000.0;
}

struct Series {
  std::vector<double> values;
  double median() const {
    std::vector<double> v = values;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  }
  double min() const { return *std::min_element(values.begin(), values.end()); }
  double max() const { return *std::max_element(values.begin(), values.end()); }
};

void row(const char* what, const Series& s, const char* unit) {
  std::printf("%-36s %10.2f %10.2f %10.2f  %s\n", what, s.median(), s.min(), s.max(), unit);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) fail("usage: bench_driver SETUP_EXE BASELINE_EXE STUB_EXE LOG");
  const Program setup{argv[1], L"TForm1", true};
  const Program baseline{argv[2], L"BenchBaseline", false};
  const std::wstring stub = argv[3];
  // The same bare window with a button that starts the stand-in: the floor of a click.
  const Program button_floor{argv[2], L"BenchBaseline", false, stub};
  const Log log{argv[4]};
  DeleteFileW(log.path.c_str());
  // Inherited by setup.exe and the stand-ins it starts.
  SetEnvironmentVariableW(L"SETUP_RIG_LOG", log.path.c_str());

  ScreenReader screen;
  Series setup_startup, baseline_startup, click, bare, button_click, setup_memory, baseline_memory;
  for (int run = -kWarmUps; run < kRuns; ++run) {
    Started s = start(setup, screen);
    // A person clicks a window that has finished drawing, not one still drawing its buttons.
    WaitForInputIdle(s.process.hProcess, kPatience);
    Sleep(kSettle);
    const double clicked = click_to_launch_ms(s, L"安装数据库服务器", log);
    WaitForInputIdle(s.process.hProcess, 5000);
    const double s_memory = peak_working_set_kib(s.process.hProcess);
    close(s);

    Started b = start(baseline, screen);
    WaitForInputIdle(b.process.hProcess, 5000);
    const double b_memory = peak_working_set_kib(b.process.hProcess);
    close(b);

    // The same quiet the click has: nothing of the closed program is still winding down.
    Sleep(kSettle);
    const double launched = bare_launch_ms(stub, log);

    Started f = start(button_floor, screen);
    WaitForInputIdle(f.process.hProcess, kPatience);
    Sleep(kSettle);
    const double floor_clicked = click_to_launch_ms(f, L"Start", log);
    WaitForInputIdle(f.process.hProcess, 5000);
    close(f);
    std::printf(
        "run %d: start-up %.1f / %.1f ms, click %.1f ms, bare %.1f ms, bare button %.1f ms\n", run,
        s.startup_ms, b.startup_ms, clicked, launched, floor_clicked);
    std::fflush(stdout);
    if (run < 0) continue;
    setup_startup.values.push_back(s.startup_ms);
    baseline_startup.values.push_back(b.startup_ms);
    click.values.push_back(clicked);
    bare.values.push_back(launched);
    button_click.values.push_back(floor_clicked);
    setup_memory.values.push_back(s_memory);
    baseline_memory.values.push_back(b_memory);
  }

  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  GetFileAttributesExW(setup.path.c_str(), GetFileExInfoStandard, &attributes);
  std::printf("%d runs each, alternating, after %d warm-up runs\n\n", kRuns, kWarmUps);
  std::printf("%-36s %10s %10s %10s\n", "", "median", "min", "max");
  row("start-up, setup.exe", setup_startup, "ms");
  row("start-up, baseline", baseline_startup, "ms");
  row("click to stand-in created, setup.exe", click, "ms");
  row("bare CreateProcess to created", bare, "ms");
  row("click to created, bare button window", button_click, "ms");
  row("peak working set, setup.exe", setup_memory, "KiB");
  row("peak working set, baseline", baseline_memory, "KiB");
  std::printf("\nclick %.2f of a bare button window's click\n",
              click.median() / button_click.median());
  std::printf(
      "startup %.2f of baseline, click %.2f of bare launch, size %lu bytes, memory %.2f of "
      "baseline\n",
      setup_startup.median() / baseline_startup.median(), click.median() / bare.median(),
      attributes.nFileSizeLow, setup_memory.median() / baseline_memory.median());
  return 0;
}
