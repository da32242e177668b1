// The eight buttons' launch actions: exact command lines, their order and show command.
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "app/failure.h"
#include "launch/launcher.h"
#include "recording_platform.h"

namespace {

constexpr const char* kStopService = "\"C:\\WINDOWS\\system32\\net.exe\" stop mysql";
constexpr const char* kStartService = "\"C:\\WINDOWS\\system32\\net.exe\" start mysql";

struct ButtonCase {
  const char* control;
  const char* handler;
  const char* caption;
  std::vector<std::string> command_lines;  // from C:\Setup Disc\setup.exe
  friend void PrintTo(const ButtonCase& c, std::ostream* os) { *os << c.control; }
};

class Button : public testing::TestWithParam<ButtonCase> {};

TEST_P(Button, StartsExactlyItsCommandsInOrderShownNormally) {
  const ButtonCase& c = GetParam();
  RecordingPlatform platform;
  launch::click(c.control, platform);

  std::vector<Launched> expected;
  for (const std::string& line : c.command_lines) expected.push_back({line, 1});
  EXPECT_EQ(platform.launched, expected);
}

TEST_P(Button, HasItsHandlerAndCaption) {
  const ButtonCase& c = GetParam();
  const launch::LaunchAction& action = launch::action_of(c.control);
  EXPECT_EQ(action.handler, c.handler);
  EXPECT_EQ(action.caption, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    AllEight, Button,
    testing::Values(ButtonCase{"Button2",
                               "Button2Click",
                               "安装数据库服务器",
                               {"\"C:\\Setup Disc\\mysql\\setup.exe\""}},
                    ButtonCase{"Button6",
                               "Button6Click",
                               "安装空数据",
                               {kStopService, "\"C:\\Setup Disc\\mysqlemptydata\\setup.exe\""}},
                    ButtonCase{"Button8",
                               "Button8Click",
                               "安装演示数据",
                               {kStopService, "\"C:\\Setup Disc\\mysqldata\\setup.exe\""}},
                    ButtonCase{"Button1",
                               "Button1Click",
                               "安装myodbc",
                               {"\"C:\\Setup Disc\\myodbc\\myodbc.exe\""}},
                    ButtonCase{"Button7",
                               "Button7Click",
                               "安装软件",
                               {kStartService, "\"C:\\Setup Disc\\soft\\setup.exe\""}},
                    ButtonCase{"Button9",
                               "Button9Click",
                               "安装mdac2.8",
                               {"\"C:\\Setup Disc\\mdac28\\MDAC_TYP1.EXE\""}},
                    ButtonCase{"Button4", "Button4Click", "启动Mysql", {kStartService}},
                    ButtonCase{"Button5", "Button5Click", "停止Mysql", {kStopService}}),
    [](const testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.control); });

TEST(LaunchActions, StandInTheOrderOfTheWindowsColumns) {
  std::vector<std::string> controls;
  for (const launch::LaunchAction& action : launch::kLaunchActions) {
    controls.emplace_back(action.control);
  }
  EXPECT_EQ(controls, (std::vector<std::string>{"Button2", "Button6", "Button8", "Button1",
                                                "Button7", "Button9", "Button4", "Button5"}));
}

TEST(LaunchActions, UnknownControlIsAnError) {
  RecordingPlatform platform;
  EXPECT_THROW(launch::click("Button3", platform), app::Failure);
  EXPECT_TRUE(platform.launched.empty());
}

// Where the module path or the system directory cannot be trusted, the step is left out.
struct PlatformCase {
  const char* name;
  std::string path;
  std::string system_dir;
  const char* control;
  std::vector<std::string> command_lines;

  friend void PrintTo(const PlatformCase& c, std::ostream* os) { *os << c.name; }
};

class UntrustedPlatform : public testing::TestWithParam<PlatformCase> {};

TEST_P(UntrustedPlatform, LeavesOutWhatWouldStartTheWrongProgram) {
  const PlatformCase& c = GetParam();
  RecordingPlatform platform;
  platform.path = c.path;
  platform.system_dir = c.system_dir;
  launch::click(c.control, platform);
  std::vector<std::string> lines;
  for (const Launched& launched : platform.launched) lines.push_back(launched.command_line);
  EXPECT_EQ(lines, c.command_lines);
}

// A path of 260 bytes fits the 261-byte buffer with its terminator; 261 bytes filled it.
const std::string kLongFolder = "C:\\" + std::string(256 - 3, 'd') + "\\";
const std::string kPathOf260 = kLongFolder + "s.x";
const std::string kPathOf261 = kLongFolder + "s.ex";

INSTANTIATE_TEST_SUITE_P(
    Cases, UntrustedPlatform,
    testing::Values(
        PlatformCase{"PathFitsBuffer",
                     kPathOf260,
                     "C:\\WINDOWS\\system32",
                     "Button2",
                     {"\"" + kLongFolder + "mysql\\setup.exe\""}},
        PlatformCase{"PathCutServiceStillRuns",
                     kPathOf261,
                     "C:\\WINDOWS\\system32",
                     "Button6",
                     {kStopService}},
        PlatformCase{"PathCutNoInstaller", kPathOf261, "C:\\WINDOWS\\system32", "Button9", {}},
        PlatformCase{"PathFailed", "", "C:\\WINDOWS\\system32", "Button7", {kStartService}},
        PlatformCase{
            "NoSystemDirectory", "E:\\setup.exe", "", "Button8", {"\"E:\\mysqldata\\setup.exe\""}},
        PlatformCase{"NoSystemDirectoryServiceButton", "E:\\setup.exe", "", "Button4", {}},
        PlatformCase{"SystemDirectoryAtRoot",
                     "E:\\setup.exe",
                     "C:\\",
                     "Button5",
                     {"\"C:\\net.exe\" stop mysql"}},
        PlatformCase{"NoSeparatorInPath",
                     "setup.exe",
                     "C:\\WINDOWS\\system32",
                     "Button1",
                     {"\"myodbc\\myodbc.exe\""}}),
    [](const testing::TestParamInfo<PlatformCase>& info) { return std::string(info.param.name); });

TEST(LaunchActions, ReadTheProgramFolderAfreshOnEveryClick) {
  RecordingPlatform platform;
  platform.path = "E:\\setup.exe";
  launch::click("Button2", platform);
  platform.path = "F:\\disc\\setup.exe";
  launch::click("Button2", platform);
  ASSERT_EQ(platform.launched.size(), 2u);
  EXPECT_EQ(platform.launched[0].command_line, "\"E:\\mysql\\setup.exe\"");
  EXPECT_EQ(platform.launched[1].command_line, "\"F:\\disc\\mysql\\setup.exe\"");
}

TEST(LaunchActions, ServiceButtonsNeverAskForTheProgramFolder) {
  RecordingPlatform platform;
  launch::click("Button4", platform);
  launch::click("Button5", platform);
  EXPECT_EQ(platform.module_path_reads, 0);
  EXPECT_EQ(platform.launched.size(), 2u);
}

}  // namespace
