// Checks of a medium's installers, its AutoPlay file, and reading back a disc image's listing.
#include "tools/medium.h"

#include <algorithm>
#include <system_error>

#include "launch/actions.h"

namespace medium {

namespace fs = std::filesystem;

namespace {

char fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_but_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return fold(x) == fold(y); });
}

std::vector<std::string> components(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::vector<Installer> installers() {
  std::vector<Installer> found;
  for (const launch::LaunchAction& action : launch::kLaunchActions) {
    for (const launch::LaunchStep& step : action.step_list()) {
      if (step.kind != launch::StepKind::kInstaller) continue;
      std::string path(step.text);
      std::replace(path.begin(), path.end(), '\\', '/');
      found.push_back({std::string(action.caption), path});
    }
  }
  return found;
}

std::vector<Finding> check_installers(const fs::path& folder) {
  std::vector<Finding> findings;
  for (const Installer& installer : installers()) {
    fs::path at = folder;
    std::string spelled;
    Problem problem = Problem::kMissing;
    bool present = true, exact = true;
    for (const std::string& part : components(installer.path)) {
      std::error_code error;
      std::string match;
      for (const fs::directory_entry& entry : fs::directory_iterator(at, error)) {
        const std::string name = entry.path().filename().string();
        if (name == part) {
          match = name;
          break;
        }
        if (same_but_case(name, part) && match.empty()) match = name;
      }
      if (match.empty()) {
        present = false;
        break;
      }
      exact = exact && match == part;
      at /= match;
      if (!spelled.empty()) spelled += '/';
      spelled += match;
    }
    if (present && !fs::is_regular_file(at)) {
      problem = Problem::kNotAFile;
    } else if (present && !exact) {
      problem = Problem::kWrongCase;
    } else if (present) {
      continue;
    }
    findings.push_back({installer, problem, problem == Problem::kWrongCase ? spelled : ""});
  }
  return findings;
}

std::string describe(const Finding& finding) {
  const std::string start = finding.installer.caption + " would start nothing: ";
  switch (finding.problem) {
    case Problem::kWrongCase:
      return start + finding.installer.path + " is spelled " + finding.found;
    case Problem::kNotAFile:
      return start + finding.installer.path + " is not a file";
    case Problem::kMissing:
      break;
  }
  return start + finding.installer.path + " is missing";
}

std::string autorun_inf(std::string_view label) {
  return "[autorun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\nlabel=" + std::string(label) + "\r\n";
}

bool is_volume_label(std::string_view label) {
  return !label.empty() && label.size() <= 32 &&
         std::all_of(label.begin(), label.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
         });
}

std::vector<std::string> listed_files(std::string_view find_output) {
  // One quoted path per line: '/mysql/setup.exe'; a quote inside a name is written '\''.
  std::vector<std::string> files;
  std::size_t start = 0;
  while (start < find_output.size()) {
    const std::size_t end = std::min(find_output.find('\n', start), find_output.size());
    std::string_view line = find_output.substr(start, end - start);
    start = end + 1;
    if (line.size() < 3 || line.front() != '\'' || line.back() != '\'' || line[1] != '/') continue;
    const std::string_view quoted = line.substr(1, line.size() - 2);
    std::string path;
    for (std::size_t at = 0; at < quoted.size(); ++at) {
      path += quoted[at];
      if (quoted.substr(at, 4) == "'\\''") at += 3;
    }
    files.push_back(path);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::string> files_below(const fs::path& folder) {
  std::vector<std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    std::string file = "/";
    file += fs::relative(entry.path(), folder).generic_string();
    files.push_back(file);
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool is_within(const fs::path& inner, const fs::path& outer) {
  const fs::path a = fs::weakly_canonical(fs::absolute(inner));
  const fs::path b = fs::weakly_canonical(fs::absolute(outer));
  return std::mismatch(b.begin(), b.end(), a.begin(), a.end()).first == b.end();
}

}  // namespace medium
