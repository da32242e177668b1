// The medium's checks: the installers the buttons start, found or reported by caption; AutoPlay;
// labels; and reading back a disc image's listing.
#include "tools/medium.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Written out here, not taken from the launcher's table: the check must follow the table.
const std::vector<medium::Installer> kInstallers = {
    {"安装数据库服务器", "mysql/setup.exe"}, {"安装空数据", "mysqlemptydata/setup.exe"},
    {"安装演示数据", "mysqldata/setup.exe"}, {"安装myodbc", "myodbc/myodbc.exe"},
    {"安装软件", "soft/setup.exe"},          {"安装mdac2.8", "mdac28/MDAC_TYP1.EXE"},
};

TEST(Medium, InstallersAreThoseTheButtonsStart) {
  const std::vector<medium::Installer> found = medium::installers();
  ASSERT_EQ(found.size(), kInstallers.size());
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].caption, kInstallers[i].caption);
    EXPECT_EQ(found[i].path, kInstallers[i].path);
  }
}

// A folder of installers in a fresh temporary folder, removed at the end.
class Folder {
 public:
  Folder() : root_(fs::temp_directory_path() / ("medium-test-" + std::to_string(::getpid()))) {
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  ~Folder() { fs::remove_all(root_); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  void file(const std::string& path) const {
    fs::create_directories((root_ / path).parent_path());
    std::ofstream(root_ / path) << "installer";
  }
  void folder(const std::string& path) const { fs::create_directories(root_ / path); }
  const fs::path& root() const { return root_; }

 private:
  fs::path root_;
};

struct Layout {
  const char* why;
  std::vector<std::string> files;
  std::vector<std::string> folders;
  std::vector<std::string> expected;  // describe() of each finding, in the buttons' order
  friend void PrintTo(const Layout& l, std::ostream* os) { *os << l.why; }
};

std::vector<std::string> all_but(const std::string& left_out) {
  std::vector<std::string> files;
  for (const medium::Installer& installer : kInstallers) {
    if (installer.path != left_out) files.push_back(installer.path);
  }
  return files;
}

std::string missing(const medium::Installer& installer) {
  return installer.caption + " would start nothing: " + installer.path + " is missing";
}

std::vector<Layout> layouts() {
  std::vector<Layout> cases = {
      {"complete", all_but(""), {}, {}},
      {"folder in other case",
       [] {
         auto files = all_but("mysql/setup.exe");
         files.push_back("MySQL/setup.exe");
         return files;
       }(),
       {},
       {"安装数据库服务器 would start nothing: mysql/setup.exe is spelled MySQL/setup.exe"}},
      {"file in other case",
       [] {
         auto files = all_but("mdac28/MDAC_TYP1.EXE");
         files.push_back("mdac28/mdac_typ1.exe");
         return files;
       }(),
       {},
       {"安装mdac2.8 would start nothing: mdac28/MDAC_TYP1.EXE is spelled mdac28/mdac_typ1.exe"}},
      {"a folder where the installer should be",
       all_but("soft/setup.exe"),
       {"soft/setup.exe"},
       {"安装软件 would start nothing: soft/setup.exe is not a file"}},
      {"empty", {}, {}, {}},
  };
  for (const medium::Installer& installer : kInstallers)
    cases.back().expected.push_back(missing(installer));
  for (const medium::Installer& installer : kInstallers) {
    cases.push_back({installer.caption.c_str(), all_but(installer.path), {}, {missing(installer)}});
  }
  return cases;
}

class InstallersFolder : public testing::TestWithParam<Layout> {};

TEST_P(InstallersFolder, IsReportedByTheButtonsThatWouldStartNothing) {
  const Folder folder;
  for (const std::string& file : GetParam().files) folder.file(file);
  for (const std::string& path : GetParam().folders) folder.folder(path);
  std::vector<std::string> described;
  for (const medium::Finding& finding : medium::check_installers(folder.root())) {
    described.push_back(medium::describe(finding));
  }
  EXPECT_EQ(described, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallersFolder, testing::ValuesIn(layouts()));

TEST(Medium, AutorunOpensAndShowsSetupWithCrLfLineEnds) {
  EXPECT_EQ(medium::autorun_inf("ORVELLA_SETUP"),
            "[autorun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\nlabel=ORVELLA_SETUP\r\n");
}

TEST(Medium, VolumeLabelsAreIsoDCharacters) {
  for (const char* good : {"ORVELLA_SETUP", "A", "DISC_2", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"}) {
    EXPECT_TRUE(medium::is_volume_label(good)) << good;
  }
  for (const char* bad :
       {"", "orvella", "ORVELLA SETUP", "ORVELLA-SETUP", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456"}) {
    EXPECT_FALSE(medium::is_volume_label(bad)) << bad;
  }
}

TEST(Medium, ListedFilesAreReadFromQuotedLinesOnly) {
  const std::string printed =
      "xorriso 1.5.4 : RockRidge filesystem manipulator, libburnia project.\n"
      "Drive current: -indev 'disc.iso'\n"
      "'/setup.exe'\n"
      "'/soft/it'\\''s.cab'\n"
      "'/autorun.inf'\n"
      "\n";
  EXPECT_EQ(medium::listed_files(printed),
            (std::vector<std::string>{"/autorun.inf", "/setup.exe", "/soft/it's.cab"}));
}

TEST(Medium, WithinMeansTheSameFolderOrBelowIt) {
  const Folder folder;
  const fs::path in = folder.root() / "in";
  folder.folder("in/sub");
  folder.folder("input");
  EXPECT_TRUE(medium::is_within(in, in));
  EXPECT_TRUE(medium::is_within(in / "sub", in));
  EXPECT_TRUE(medium::is_within(in / "not-yet" / "out", in));
  EXPECT_TRUE(medium::is_within(in / "sub" / "..", in));
  EXPECT_FALSE(medium::is_within(folder.root() / "input", in)) << "a name that only starts alike";
  EXPECT_FALSE(medium::is_within(folder.root(), in));
}

}  // namespace
