// Win32 implementation of the launch platform.
#include "launch/platform_win32.h"

#include <windows.h>

#include <cstdlib>

namespace launch {

namespace {

// The ANSI code page of the thread's locale, not the system's: that is the one whose characters
// the program's paths are read in.
LeadBytes thread_code_page_lead_bytes() {
  char code_page_text[8] = {};
  if (GetLocaleInfoA(GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE, code_page_text,
                     sizeof code_page_text) == 0) {
    return {};
  }
  const UINT code_page = static_cast<UINT>(std::strtoul(code_page_text, nullptr, 10));
  CPINFO info;
  if (!GetCPInfo(code_page, &info)) return {};
  return lead_bytes_from_ranges(info.LeadByte);
}

}  // namespace

Win32Platform::Win32Platform() : lead_bytes_(thread_code_page_lead_bytes()) {}

std::string Win32Platform::module_path() const {
  char path[kModulePathCapacity];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return std::string(path, length);
}

std::string Win32Platform::system_directory() const {
  char directory[MAX_PATH];
  const UINT length = GetSystemDirectoryA(directory, sizeof directory);
  if (length == 0 || length >= sizeof directory) return {};
  return std::string(directory, length);
}

void Win32Platform::launch(const std::string& command_line, int show_command) {
  WinExec(command_line.c_str(), static_cast<UINT>(show_command));
}

}  // namespace launch
