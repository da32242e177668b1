// make-medium: checks a folder of installers against the buttons, then writes the medium's
// folder (setup.exe, the installers' folders, autorun.inf) and, if asked, its disc image.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "tools/medium.h"

namespace {

namespace fs = std::filesystem;

constexpr int kMissingInstallers = 1;
constexpr int kBadInput = 2;

struct BadInput {
  std::string message;
};

struct Options {
  fs::path installers;
  fs::path output;
  fs::path setup = SETUP_EXE_DEFAULT;
  std::optional<fs::path> iso;
  std::string label = "ORVELLA_SETUP";
  bool allow_missing = false;
  bool force = false;
  bool list_installers = false;
};

constexpr const char* kUsage =
    "usage: make-medium [--setup FILE] [--iso FILE] [--label LABEL] [--allow-missing] [--force]\n"
    "                   INSTALLERS OUTPUT\n"
    "       make-medium --list-installers\n";

Options parse(int argc, char** argv) {
  Options options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= argc) throw BadInput{arg + " needs a value"};
      return argv[++i];
    };
    if (arg == "--setup") {
      options.setup = value();
    } else if (arg == "--iso") {
      options.iso = fs::path(value());
    } else if (arg == "--label") {
      options.label = value();
    } else if (arg == "--allow-missing") {
      options.allow_missing = true;
    } else if (arg == "--force") {
      options.force = true;
    } else if (arg == "--list-installers") {
      options.list_installers = true;
    } else if (arg.starts_with("--")) {
      throw BadInput{"unknown option " + arg};
    } else {
      positional.push_back(arg);
    }
  }
  if (options.list_installers) {
    if (argc != 2) throw BadInput{"--list-installers takes nothing else"};
    return options;
  }
  if (positional.size() != 2) throw BadInput{"give the installers' folder and the output folder"};
  options.installers = positional[0];
  options.output = positional[1];
  return options;
}

void check(const Options& o) {
  if (!fs::is_directory(o.installers)) {
    throw BadInput{"no such folder: " + o.installers.string()};
  }
  if (!fs::is_regular_file(o.setup)) throw BadInput{"no such file: " + o.setup.string()};
  if (!std::ifstream(o.setup, std::ios::binary)) {
    throw BadInput{"cannot read " + o.setup.string()};
  }
  if (!medium::is_volume_label(o.label)) {
    throw BadInput{"the label must be 1 to 32 of A-Z, 0-9 and _: " + o.label};
  }
  if (medium::is_within(o.output, o.installers)) {
    throw BadInput{"the output " + o.output.string() + " lies inside the installers' folder"};
  }
  if (medium::is_within(o.installers, o.output)) {
    throw BadInput{"the installers' folder lies inside the output " + o.output.string()};
  }
  if (fs::exists(o.output) && !o.force) {
    throw BadInput{o.output.string() + " exists; --force replaces it"};
  }
  if (o.iso) {
    if (medium::is_within(*o.iso, o.output) || medium::is_within(*o.iso, o.installers)) {
      throw BadInput{"the image " + o.iso->string() + " must lie outside both folders"};
    }
    if (fs::exists(*o.iso) && !o.force) {
      throw BadInput{o.iso->string() + " exists; --force replaces it"};
    }
    if (!fs::is_directory(fs::absolute(*o.iso).parent_path())) {
      throw BadInput{"no folder for the image " + o.iso->string()};
    }
  }
}

// Copies `from` to `to`; a file that cannot be read stops the run.
std::uintmax_t copy_tree(const fs::path& from, const fs::path& to) {
  std::uintmax_t bytes = 0;
  if (fs::is_regular_file(from)) {
    std::error_code error;
    if (!fs::copy_file(from, to, error)) {
      throw BadInput{"cannot copy " + from.string() + ": " + error.message()};
    }
    return fs::file_size(to);
  }
  fs::create_directories(to);
  for (const fs::directory_entry& entry : fs::directory_iterator(from)) {
    bytes += copy_tree(entry.path(), to / entry.path().filename());
  }
  return bytes;
}

// Runs a program (no shell) and gives what it printed, standard error included; its exit status
// must be 0, or what it printed is shown.
std::string run(const std::vector<std::string>& command) {
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) throw BadInput{"cannot start " + command[0]};
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipe_ends[1], STDOUT_FILENO);
    dup2(pipe_ends[1], STDERR_FILENO);
    close(pipe_ends[0]);
    close(pipe_ends[1]);
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    std::perror(argv[0]);
    _exit(127);
  }
  close(pipe_ends[1]);
  std::string output;
  char buffer[4096];
  for (ssize_t got; (got = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) {
    output.append(buffer, static_cast<std::size_t>(got));
  }
  close(pipe_ends[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::cerr << output;
    throw BadInput{command[0] + " failed"};
  }
  return output;
}

void write_image(const Options& o) {
  const fs::path iso = *o.iso;
  const fs::path partial = iso.string() + ".partial";
  std::cout << "writing the image " << iso.string() << " (label " << o.label << ")\n";
  try {
    fs::remove(partial);
    run({"xorriso", "-report_about", "SORRY", "-as", "mkisofs", "-quiet", "-J", "-R", "-V", o.label,
         "-o", partial.string(), o.output.string()});
    // Read back: every file of the folder must be in the image, and nothing else.
    const std::vector<std::string> listed =
        medium::listed_files(run({"xorriso", "-report_about", "SORRY", "-indev", partial.string(),
                                  "-find", "/", "-type", "f"}));
    const std::vector<std::string> expected = medium::files_below(o.output);
    if (listed != expected) {
      std::set<std::string> in_image(listed.begin(), listed.end());
      for (const std::string& file : expected) {
        if (!in_image.count(file)) std::cerr << "make-medium: not in the image: " << file << '\n';
      }
      throw BadInput{"the image does not hold the medium's files"};
    }
    fs::rename(partial, iso);
    std::cout << "image: " << listed.size() << " files, " << fs::file_size(iso) << " bytes\n";
  } catch (...) {
    std::error_code ignored;
    fs::remove(partial, ignored);
    throw;
  }
}

int make_medium(const Options& o) {
  check(o);
  std::cout << "checking the installers in " << o.installers.string() << '\n';
  const std::vector<medium::Finding> findings = medium::check_installers(o.installers);
  std::set<std::string> missing;
  for (const medium::Finding& finding : findings) {
    std::cerr << "make-medium: " << medium::describe(finding) << '\n';
    missing.insert(finding.installer.path);
  }
  if (!findings.empty() && !o.allow_missing) {
    std::cerr << "make-medium: " << findings.size()
              << " installer(s) missing; --allow-missing writes the medium all the same\n";
    return kMissingInstallers;
  }

  const fs::path partial = o.output.string() + ".partial";
  std::uintmax_t bytes = 0;
  std::size_t files = 0;
  try {
    fs::remove_all(partial);
    fs::create_directories(partial);
    std::cout << "writing " << o.output.string() << '\n';
    bytes += copy_tree(o.setup, partial / "setup.exe");
    std::set<std::string> folders;
    for (const medium::Installer& installer : medium::installers()) {
      const std::string folder = installer.path.substr(0, installer.path.find('/'));
      if (missing.count(installer.path) || !folders.insert(folder).second) continue;
      std::cout << "  " << folder << "/\n";
      bytes += copy_tree(o.installers / folder, partial / folder);
    }
    const std::string autorun = medium::autorun_inf(o.label);
    std::ofstream(partial / "autorun.inf", std::ios::binary) << autorun;
    bytes += autorun.size();
    files = medium::files_below(partial).size();
    fs::remove_all(o.output);
    fs::rename(partial, o.output);
  } catch (...) {
    std::error_code ignored;
    fs::remove_all(partial, ignored);
    throw;
  }
  if (o.iso) write_image(o);
  std::string missing_list;
  for (const medium::Finding& finding : findings) {
    if (!missing_list.empty()) missing_list += ", ";
    missing_list += finding.installer.path;
  }
  std::cout << "medium: " << files << " files, " << bytes
            << " bytes; missing: " << (missing_list.empty() ? "none" : missing_list) << '\n';
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const Options options = parse(argc, argv);
    if (options.list_installers) {
      // For scripts that lay out installers: the paths the buttons start, one per line.
      for (const medium::Installer& installer : medium::installers()) {
        std::cout << installer.path << '\n';
      }
      return 0;
    }
    return make_medium(options);
  } catch (const BadInput& bad) {
    std::cerr << "make-medium: " << bad.message << '\n' << kUsage;
  } catch (const std::exception& error) {
    std::cerr << "make-medium: " << error.what() << '\n';
  }
  return kBadInput;
}
