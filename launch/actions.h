// The eight buttons' launch actions as data: which commands each button starts, in order.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace launch {

enum class StepKind {
  kService,    // net.exe from the system directory, with fixed arguments
  kInstaller,  // a program on the medium, relative to the program folder
};

struct LaunchStep {
  StepKind kind;
  std::string_view text;  // the arguments of net.exe, or the installer's relative path
};

struct LaunchAction {
  std::string_view control;
  std::string_view handler;
  std::string_view caption;  // UTF-8, as the button shows it
  std::array<LaunchStep, 2> steps;
  std::size_t step_count;

  std::span<const LaunchStep> step_list() const { return {steps.data(), step_count}; }
};

constexpr LaunchStep service(std::string_view net_arguments) {
  return {StepKind::kService, net_arguments};
}
constexpr LaunchStep installer(std::string_view relative_path) {
  return {StepKind::kInstaller, relative_path};
}

// In the order the buttons stand on the window: the left column top to bottom, then the right.
// Where an action has two steps the service command comes first, so the data installers run
// against a stopped service and the application's installer against a started one.
inline constexpr std::array<LaunchAction, 8> kLaunchActions{{
    {"Button2", "Button2Click", "安装数据库服务器", {installer("mysql\\setup.exe")}, 1},
    {"Button6",
     "Button6Click",
     "安装空数据",
     {service("stop mysql"), installer("mysqlemptydata\\setup.exe")},
     2},
    {"Button8",
     "Button8Click",
     "安装演示数据",
     {service("stop mysql"), installer("mysqldata\\setup.exe")},
     2},
    {"Button1", "Button1Click", "安装myodbc", {installer("myodbc\\myodbc.exe")}, 1},
    {"Button7",
     "Button7Click",
     "安装软件",
     {service("start mysql"), installer("soft\\setup.exe")},
     2},
    {"Button9", "Button9Click", "安装mdac2.8", {installer("mdac28\\MDAC_TYP1.EXE")}, 1},
    {"Button4", "Button4Click", "启动Mysql", {service("start mysql")}, 1},
    {"Button5", "Button5Click", "停止Mysql", {service("stop mysql")}, 1},
}};

// The action of a control, or null for a control that has none.
const LaunchAction* find_action(std::string_view control);

// The action of a control; throws app::Failure for a control that has none.
const LaunchAction& action_of(std::string_view control);

}  // namespace launch
