// Command-line composition for installers and for the service commands.
#include "launch/command_line.h"

namespace launch {

std::string installer_command_line(std::string_view program_folder,
                                   std::string_view relative_path) {
  std::string line;
  line.reserve(program_folder.size() + relative_path.size() + 2);
  line += '"';
  line += program_folder;
  line += relative_path;
  line += '"';
  return line;
}

std::string service_command_line(std::string_view system_directory,
                                 std::string_view net_arguments) {
  if (system_directory.empty()) return {};
  // The system directory carries no trailing separator unless it is a drive's root.
  const bool is_root =
      system_directory.size() == 3 && system_directory[1] == ':' && system_directory[2] == '\\';
  std::string line;
  line += '"';
  line += system_directory;
  if (!is_root) line += '\\';
  line += "net.exe\" ";
  line += net_arguments;
  return line;
}

}  // namespace launch
