// What the launch actions ask of the operating system, behind an interface so they run in tests.
#pragma once

#include <cstddef>
#include <string>

#include "launch/lead_bytes.h"

namespace launch {

// The module path is read into a buffer of this many bytes; a path that fills it was cut.
inline constexpr std::size_t kModulePathCapacity = 261;

// SW_SHOWNORMAL: every started program opens its first window normally.
inline constexpr int kShowNormal = 1;

class Platform {
 public:
  virtual ~Platform() = default;

  // The running program's full path in the ANSI code page, as many bytes as the system wrote
  // into a buffer of kModulePathCapacity; empty when it failed.
  virtual std::string module_path() const = 0;

  // Lead bytes of the ANSI code page of the user-interface thread's locale, read at start-up.
  virtual const LeadBytes& lead_bytes() const = 0;

  // The system directory, without a trailing separator; empty when it cannot be had.
  virtual std::string system_directory() const = 0;

  // Starts a command line and returns at once; the outcome is not reported.
  virtual void launch(const std::string& command_line, int show_command) = 0;
};

}  // namespace launch
