// The launch platform on Windows: module path, thread code page's lead bytes, WinExec.
#pragma once

#include "launch/platform.h"

namespace launch {

class Win32Platform final : public Platform {
 public:
  // Reads the lead bytes of the user-interface thread's code page, once.
  Win32Platform();

  std::string module_path() const override;
  const LeadBytes& lead_bytes() const override { return lead_bytes_; }
  std::string system_directory() const override;
  void launch(const std::string& command_line, int show_command) override;

 private:
  LeadBytes lead_bytes_;
};

}  // namespace launch
