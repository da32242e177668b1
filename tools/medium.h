// The distribution medium: which installers it must hold, how they are checked, what it says
// to Windows' AutoPlay, and what a written disc image lists.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace medium {

// An installer that a button starts, by its path on the medium ("/" separated).
struct Installer {
  std::string caption;  // the button's, UTF-8
  std::string path;
};

// Every installer the launch actions start, in the buttons' order, from the launcher's own table.
std::vector<Installer> installers();

enum class Problem { kMissing, kWrongCase, kNotAFile };

struct Finding {
  Installer installer;
  Problem problem;
  std::string found;  // for kWrongCase: the path as the folder spells it
};

// What is wrong with `folder` as a medium's installers. Names must match exactly, case
// included: a copy to a case-sensitive file system would otherwise lose the installer.
std::vector<Finding> check_installers(const std::filesystem::path& folder);

// "安装myodbc would start nothing: myodbc/myodbc.exe is missing".
std::string describe(const Finding& finding);

// The AutoPlay file at the medium's root, with CRLF line ends.
std::string autorun_inf(std::string_view label);

// A label that both the disc image and AutoPlay take: ISO 9660 d-characters, at most 32.
bool is_volume_label(std::string_view label);

// The files (as "/a/b" paths) in what `xorriso -find / -type f` printed.
std::vector<std::string> listed_files(std::string_view find_output);

// The files below `folder`, as "/a/b" paths, sorted.
std::vector<std::string> files_below(const std::filesystem::path& folder);

// Whether `inner` is `outer` or lies inside it (both made absolute, links resolved).
bool is_within(const std::filesystem::path& inner, const std::filesystem::path& outer);

}  // namespace medium
