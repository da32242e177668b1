// What the end-to-end tests work with: media laid out on disk, the launcher's process and
// windows, real mouse and keyboard input, and the records of the stand-in installers.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace rig {

using namespace std::chrono_literals;

// Folders of the build tree as Windows paths (Wine's Z: is the Unix root).
std::wstring product_dir();
std::wstring media_dir();
std::wstring system_dir();
std::wstring rig_dir();
// The root of the rig's cdrom drive, which holds the files of make-medium's disc image.
std::wstring disc_root();
// The planted DLL the build makes, to be laid beside a launcher that must never load it.
std::wstring planted_dll();

// The installers the buttons start, relative to the program folder, exactly as on the medium.
extern const std::vector<std::wstring> kInstallerPaths;

// A medium: the launcher as `program` at `root` (which ends in "\"), a stand-in at every
// installer path, and a planted net.exe beside the launcher that must never run.
struct Medium {
  std::wstring root;
  std::wstring program;
  std::wstring log;  // where the stand-ins record their starts

  std::wstring program_path() const { return root + program; }
};
Medium lay_out_medium(const std::wstring& root, const std::wstring& program = L"setup.exe");
void remove_tree(const std::wstring& path);
void empty_folder(const std::wstring& path);
void copy_file(const std::wstring& from, const std::wstring& to);

// How one stand-in was started, as it recorded it.
struct Start {
  unsigned long long created = 0;  // process creation time, orders the starts
  DWORD pid = 0;
  DWORD startup_flags = 0;
  unsigned show_window = 0;
  std::wstring module;
  std::wstring command_line;
};
std::vector<Start> read_starts(const std::wstring& log);
// Waits until at least `count` starts are recorded (or the timeout passes), then returns them.
std::vector<Start> wait_for_starts(const std::wstring& log, std::size_t count,
                                   std::chrono::milliseconds timeout = 15s);

// setup.exe started as a person's shell would start it, with a show command.
class Launcher {
 public:
  Launcher(const Medium& medium, int show_command = SW_SHOWNORMAL);
  ~Launcher();
  Launcher(const Launcher&) = delete;
  Launcher& operator=(const Launcher&) = delete;

  // Waits for the main form (and the application window) to exist; for a form that is to be
  // shown, until it is visible and active. Checks that it runs as the Windows the run is for.
  void wait_until_ready(bool form_shown = true);

  HWND form() const { return form_; }
  HWND application_window() const { return application_; }
  DWORD pid() const { return process_.dwProcessId; }
  const std::wstring& log() const { return medium_.log; }
  DWORD thread_id() const { return process_.dwThreadId; }
  HANDLE process() const { return process_.hProcess; }
  // The launcher's visible top-level windows.
  std::vector<HWND> visible_windows() const;
  HWND button(const std::wstring& caption) const;
  HWND focus() const;
  // Answers a message within the timeout: the window is not hung.
  bool answers() const;
  void activate() const;

  // Closes the window the way its close box does and returns the exit code.
  DWORD close();

 private:
  Medium medium_;
  PROCESS_INFORMATION process_{};
  HWND form_ = nullptr;
  HWND application_ = nullptr;
};

// Real input, through SendInput.
void click(const Launcher& launcher, HWND target);
void click_at(POINT screen_point);
void press_key(WORD key, bool shift = false);
// Presses the left button at `from`, moves to `to` in small steps and releases it there.
void drag(POINT from, POINT to);
// Turns the wheel by `notches` with the pointer at `at`; positive turns it towards the user.
void wheel(POINT at, int notches);

// The screen density, in dots per inch, of every launcher started while it lives; back to the
// designed 96 when it ends, however the test ends. Wine reads it when a process starts.
class Density {
 public:
  explicit Density(DWORD dpi);
  ~Density();
  Density(const Density&) = delete;
  Density& operator=(const Density&) = delete;
};
void set_density(DWORD dpi);

// Wine's settings for the programs called setup.exe, read as such a program starts: its Windows
// version, its DLL overrides. `key` is below HKCU\Software\Wine\AppDefaults\setup.exe ("" for
// that key itself). The driver clears them all as it starts and ends, so that one that died
// leaves none to the next run.
bool set_launcher_setting(const std::wstring& key, const std::wstring& name,
                          const std::wstring& value);
void remove_launcher_setting(const std::wstring& key, const std::wstring& name);
void clear_launcher_settings();

// Clicks `button` and waits for `expected` more starts in the medium's log. A click that started
// nothing within a few seconds is repeated once, and says so: Wine now and then drops one.
std::vector<Start> click_and_wait(const Launcher& launcher, const std::wstring& caption,
                                  std::size_t expected);

bool wait_until(const auto& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

std::wstring window_text(HWND window);
std::wstring class_name(HWND window);
std::string narrow(const std::wstring& text);  // UTF-8, for messages

}  // namespace rig
