// The rig's helpers: media, the launcher's process and windows, input, stand-in records.
#include "rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/win32_text.h"
#include "windows_version.h"

namespace rig {

namespace {

std::wstring from_unix(const char* path) {
  std::wstring windows = L"Z:";
  for (const char* c = path; *c; ++c) windows += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return windows;
}

void make_folders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos;
       at = path.find(L'\\', at + 1)) {
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(path.c_str(), nullptr);
}

}  // namespace

const std::vector<std::wstring> kInstallerPaths = {
    L"mysql\\setup.exe",   L"mysqlemptydata\\setup.exe", L"mysqldata\\setup.exe",
    L"myodbc\\myodbc.exe", L"soft\\setup.exe",           L"mdac28\\MDAC_TYP1.EXE"};

std::wstring product_dir() { return from_unix(PRODUCT_DIR) + L"\\"; }
std::wstring rig_dir() { return from_unix(RIG_DIR); }
std::wstring planted_dll() { return from_unix(PLANTED_DLL); }
std::wstring media_dir() { return rig_dir() + L"\\media\\"; }
// The letter rig.sh makes a cdrom drive (DISC_DRIVE there).
std::wstring disc_root() { return L"R:\\"; }
std::wstring system_dir() {
  wchar_t directory[MAX_PATH];
  GetSystemDirectoryW(directory, MAX_PATH);
  return directory;
}

std::string narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

void empty_folder(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(child);
      } else {
        SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(child.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
}

void remove_tree(const std::wstring& path) {
  empty_folder(path);
  RemoveDirectoryW(path.c_str());
}

void copy_file(const std::wstring& from, const std::wstring& to) {
  const std::size_t folder = to.rfind(L'\\');
  if (folder != std::wstring::npos && folder > 2) make_folders(to.substr(0, folder));
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) {
    ADD_FAILURE() << "cannot copy " << narrow(from) << " to " << narrow(to) << ": error "
                  << GetLastError();
  }
}

Medium lay_out_medium(const std::wstring& root, const std::wstring& program) {
  // A drive's root is emptied; a folder is laid out afresh.
  const std::wstring folder = root.substr(0, root.size() - 1);
  if (folder.size() > 2) {
    remove_tree(folder);
    make_folders(folder);
  } else {
    empty_folder(folder);
  }
  Medium medium{root, program, root + L"starts.log"};
  DeleteFileW(medium.log.c_str());
  copy_file(product_dir() + L"setup.exe", medium.program_path());
  const std::wstring stub = product_dir() + L"stub_installer.exe";
  for (const std::wstring& path : kInstallerPaths) copy_file(stub, root + path);
  copy_file(stub, root + L"net.exe");
  return medium;
}

std::vector<Start> read_starts(const std::wstring& log) {
  std::vector<Start> starts;
  HANDLE handle = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return starts;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(handle, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(handle);

  std::istringstream lines(bytes);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.back() != '\r') continue;  // a line still being written
    line.pop_back();
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
      fields.push_back(line.substr(from, tab - from));
    }
    fields.push_back(line.substr(from));
    if (fields.size() != 6) {
      ADD_FAILURE() << "malformed start record: " << line;
      continue;
    }
    Start start;
    start.created = std::stoull(fields[0]);
    start.pid = static_cast<DWORD>(std::stoul(fields[1]));
    start.startup_flags = static_cast<DWORD>(std::stoul(fields[2], nullptr, 16));
    start.show_window = static_cast<unsigned>(std::stoul(fields[3]));
    start.module = app::wide_text(fields[4], CP_UTF8);
    start.command_line = app::wide_text(fields[5], CP_UTF8);
    starts.push_back(start);
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const Start& a, const Start& b) { return a.created < b.created; });
  return starts;
}

std::vector<Start> wait_for_starts(const std::wstring& log, std::size_t count,
                                   std::chrono::milliseconds timeout) {
  std::vector<Start> starts;
  wait_until([&] { return (starts = read_starts(log)).size() >= count; }, timeout);
  return starts;
}

Launcher::Launcher(const Medium& medium, int show_command) : medium_(medium) {
  // The stand-ins find their log through the environment they inherit from the launcher.
  SetEnvironmentVariableW(L"SETUP_RIG_LOG", medium.log.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(show_command);
  std::wstring command_line = L"\"" + medium.program_path() + L"\"";
  // Started in its own folder, as from a shortcut on the medium: a net.exe there must not run.
  if (!CreateProcessW(medium.program_path().c_str(), command_line.data(), nullptr, nullptr, FALSE,
                      0, nullptr, medium.root.c_str(), &startup, &process_)) {
    ADD_FAILURE() << "cannot start " << narrow(medium.program_path()) << ": error "
                  << GetLastError();
  }
}

Launcher::~Launcher() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

namespace {

struct WindowSearch {
  DWORD pid;
  const wchar_t* class_name;
  HWND found;
};

BOOL CALLBACK find_top_level(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && class_name(window) == search->class_name) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND top_level_window(DWORD pid, const wchar_t* window_class) {
  WindowSearch search{pid, window_class, nullptr};
  EnumWindows(find_top_level, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

void Launcher::wait_until_ready(bool form_shown) {
  ASSERT_TRUE(wait_until(
      [&] {
        form_ = top_level_window(pid(), L"TForm1");
        application_ = top_level_window(pid(), L"TApplication");
        return form_ && application_;
      },
      20s))
      << "the launcher's windows did not appear";
  // A run meant for an older Windows that quietly got the rig's own would prove nothing.
  const WindowsVersion wanted = launcher_windows();
  const WindowsVersion running = running_windows(process_.hProcess);
  EXPECT_TRUE(running.major == wanted.major && running.minor == wanted.minor)
      << "the launcher runs as Windows " << running.major << "." << running.minor << " ("
      << narrow(running.name) << "), not as " << narrow(wanted.name) << " (" << wanted.major << "."
      << wanted.minor << ")";
  if (!form_shown) {
    WaitForInputIdle(process_.hProcess, 5000);
    return;
  }
  // Wine makes the form the foreground window before the form has handled its activation,
  // which is where it places the focus: ready is when a control of the form holds it.
  ASSERT_TRUE(wait_until(
      [&] {
        const HWND focused = focus();
        return IsWindowVisible(form_) && GetForegroundWindow() == form_ && focused &&
               IsChild(form_, focused);
      },
      10s))
      << "the form did not become visible and active with a control focused";
}

namespace {

struct VisibleWindows {
  DWORD pid;
  std::vector<HWND> windows;
};

BOOL CALLBACK collect_visible(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<VisibleWindows*>(context);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search->pid && IsWindowVisible(window)) search->windows.push_back(window);
  return TRUE;
}

struct ButtonSearch {
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK find_button(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ButtonSearch*>(context);
  if (class_name(child) == L"Button" && window_text(child) == *search->caption) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> Launcher::visible_windows() const {
  VisibleWindows search{pid(), {}};
  EnumWindows(collect_visible, reinterpret_cast<LPARAM>(&search));
  return search.windows;
}

HWND Launcher::button(const std::wstring& caption) const {
  ButtonSearch search{&caption, nullptr};
  EnumChildWindows(form_, find_button, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND Launcher::focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

bool Launcher::answers() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(form_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

void Launcher::activate() const {
  // Active as far as the launcher's own thread knows: until it has handled the activation, it
  // may still move the focus, and a click arriving meanwhile would be lost on the way.
  auto settled = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetForegroundWindow() == form_ && GetGUIThreadInfo(process_.dwThreadId, &info) &&
           info.hwndActive == form_ && info.hwndFocus != nullptr;
  };
  if (settled()) return;
  SetForegroundWindow(form_);
  wait_until(settled, 3s);
  Sleep(50);
}

DWORD Launcher::close() {
  PostMessageW(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
  if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the launcher did not end after its window was closed";
    return 259;  // STILL_ACTIVE
  }
  DWORD code = 259;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

namespace {

INPUT mouse_input(POINT point, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (point.x * 65536 + width / 2) / width;
  input.mi.dy = (point.y * 65536 + height / 2) / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

// The display server's own report of an earlier position, arriving after the next button
// event, would move that event elsewhere: the pointer goes there first and settles.
void move_and_settle(POINT point) {
  INPUT move = mouse_input(point, MOUSEEVENTF_MOVE);
  SendInput(1, &move, sizeof(INPUT));
  wait_until(
      [&] {
        POINT at;
        return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
      },
      1s);
  Sleep(100);
}

}  // namespace

void click_at(POINT point) {
  move_and_settle(point);
  // Move, press and release in one call: split up, the press may arrive late.
  INPUT inputs[3] = {mouse_input(point, MOUSEEVENTF_MOVE), mouse_input(point, MOUSEEVENTF_LEFTDOWN),
                     mouse_input(point, MOUSEEVENTF_LEFTUP)};
  SendInput(3, inputs, sizeof(INPUT));
}

void drag(POINT from, POINT to) {
  move_and_settle(from);
  INPUT inputs[2] = {mouse_input(from, MOUSEEVENTF_MOVE), mouse_input(from, MOUSEEVENTF_LEFTDOWN)};
  SendInput(2, inputs, sizeof(INPUT));
  // A sizing loop follows the pointer move by move: one jump may be taken for a click.
  Sleep(200);
  constexpr int kSteps = 10;
  for (int step = 1; step <= kSteps; ++step) {
    const POINT at{from.x + (to.x - from.x) * step / kSteps,
                   from.y + (to.y - from.y) * step / kSteps};
    INPUT move = mouse_input(at, MOUSEEVENTF_MOVE);
    SendInput(1, &move, sizeof(INPUT));
    Sleep(30);
  }
  move_and_settle(to);
  INPUT release[2] = {mouse_input(to, MOUSEEVENTF_MOVE), mouse_input(to, MOUSEEVENTF_LEFTUP)};
  SendInput(2, release, sizeof(INPUT));
}

void wheel(POINT at, int notches) {
  move_and_settle(at);
  INPUT input = mouse_input(at, MOUSEEVENTF_WHEEL);
  input.mi.dwFlags = MOUSEEVENTF_WHEEL;
  input.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA * notches);
  SendInput(1, &input, sizeof(INPUT));
}

void set_density(DWORD dpi) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot open HKCU\\Control Panel\\Desktop";
    return;
  }
  if (RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                     sizeof dpi) != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot set LogPixels to " << dpi;
  }
  RegCloseKey(key);
}

Density::Density(DWORD dpi) { set_density(dpi); }
Density::~Density() { set_density(96); }

namespace {

const std::wstring kLauncherSettings = L"Software\\Wine\\AppDefaults\\setup.exe";

std::wstring launcher_key(const std::wstring& key) {
  return key.empty() ? kLauncherSettings : kLauncherSettings + L"\\" + key;
}

}  // namespace

bool set_launcher_setting(const std::wstring& key, const std::wstring& name,
                          const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, launcher_key(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LSTATUS status =
      RegSetValueExW(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

void remove_launcher_setting(const std::wstring& key, const std::wstring& name) {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, launcher_key(key).c_str(), name.c_str());
}

void clear_launcher_settings() { RegDeleteTreeW(HKEY_CURRENT_USER, kLauncherSettings.c_str()); }

void click(const Launcher& launcher, HWND target) {
  ASSERT_NE(target, nullptr);
  launcher.activate();
  RECT rect;
  GetWindowRect(target, &rect);
  const POINT center{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  // A console window of a stand-in may lie over the button for a moment.
  ASSERT_TRUE(wait_until(
      [&] {
        if (WindowFromPoint(center) == target) return true;
        launcher.activate();
        return false;
      },
      10s))
      << "the button is not under the pointer at " << center.x << "," << center.y;
  click_at(center);
}

void press_key(WORD key, bool shift) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (shift) add(VK_SHIFT, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (shift) add(VK_SHIFT, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::vector<Start> click_and_wait(const Launcher& launcher, const std::wstring& caption,
                                  std::size_t expected) {
  const std::wstring& log = launcher.log();
  const std::size_t before = read_starts(log).size();
  HWND target = launcher.button(caption);
  EXPECT_NE(target, nullptr) << "no button " << narrow(caption);
  if (!target) return {};
  click(launcher, target);
  if (wait_for_starts(log, before + 1, 5s).size() == before) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(launcher.thread_id(), &info);
    std::printf(
        "[ rig      ] click on %s started nothing within 5 s: clicking once more"
        " (focus %s, active %p, foreground %p, form %p, capture %p)\n",
        narrow(caption).c_str(), info.hwndFocus == target ? "on it" : "elsewhere",
        (void*)info.hwndActive, (void*)GetForegroundWindow(), (void*)launcher.form(),
        (void*)info.hwndCapture);
    std::fflush(stdout);
    click(launcher, target);
  }
  std::vector<Start> starts = wait_for_starts(log, before + expected);
  // Give a stray extra start the time to show up before the caller counts.
  Sleep(300);
  starts = read_starts(log);
  return {starts.begin() + static_cast<std::ptrdiff_t>(std::min(before, starts.size())),
          starts.end()};
}

std::wstring window_text(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, 512);
  return text;
}

std::wstring class_name(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

}  // namespace rig
