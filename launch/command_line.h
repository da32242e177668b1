// Composing the command lines that the launch steps hand to the system.
#pragma once

#include <string>
#include <string_view>

namespace launch {

// The installer's full path inside double quotes, so that a folder with a space cannot make the
// system start a shorter path's program instead; no arguments.
std::string installer_command_line(std::string_view program_folder, std::string_view relative_path);

// net.exe named by its full path in the system directory, quoted, then its arguments; never
// found through the search path, which starts at the program's own folder. Empty when the system
// directory is unknown.
std::string service_command_line(std::string_view system_directory, std::string_view net_arguments);

}  // namespace launch
