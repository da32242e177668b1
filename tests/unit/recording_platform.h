// A launch platform for the tests: answers from fields, records what would have been started.
#pragma once

#include <string>
#include <vector>

#include "launch/platform.h"

struct Launched {
  std::string command_line;
  int show_command;

  bool operator==(const Launched&) const = default;
};

class RecordingPlatform final : public launch::Platform {
 public:
  std::string path = "C:\\Setup Disc\\setup.exe";
  launch::LeadBytes lead;
  std::string system_dir = "C:\\WINDOWS\\system32";
  std::vector<Launched> launched;
  mutable int module_path_reads = 0;

  std::string module_path() const override {
    ++module_path_reads;
    return path;
  }
  const launch::LeadBytes& lead_bytes() const override { return lead; }
  std::string system_directory() const override { return system_dir; }
  void launch(const std::string& command_line, int show_command) override {
    launched.push_back({command_line, show_command});
  }
};
