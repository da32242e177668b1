// What each button must start, written out independently of the program's own table.
#pragma once

#include <string>
#include <vector>

#include "rig.h"

namespace expected {

struct Step {
  bool service;  // net.exe from the system directory, or an installer on the medium
  std::wstring text;
};

struct Button {
  std::wstring caption;
  std::vector<Step> steps;
};

inline const std::vector<Button>& buttons() {
  static const std::vector<Button> all = {
      {L"安装数据库服务器", {{false, L"mysql\\setup.exe"}}},
      {L"安装空数据", {{true, L"stop mysql"}, {false, L"mysqlemptydata\\setup.exe"}}},
      {L"安装演示数据", {{true, L"stop mysql"}, {false, L"mysqldata\\setup.exe"}}},
      {L"安装myodbc", {{false, L"myodbc\\myodbc.exe"}}},
      {L"安装软件", {{true, L"start mysql"}, {false, L"soft\\setup.exe"}}},
      {L"安装mdac2.8", {{false, L"mdac28\\MDAC_TYP1.EXE"}}},
      {L"启动Mysql", {{true, L"start mysql"}}},
      {L"停止Mysql", {{true, L"stop mysql"}}},
  };
  return all;
}

// "module | command line | show": what a stand-in records when started by the step.
inline std::wstring record(const Step& step, const std::wstring& program_folder) {
  if (step.service) {
    const std::wstring net = rig::system_dir() + L"\\net.exe";
    return net + L" | \"" + net + L"\" " + step.text + L" | 1";
  }
  const std::wstring path = program_folder + step.text;
  return path + L" | \"" + path + L"\" | 1";
}

inline std::vector<std::wstring> records(const Button& button, const std::wstring& folder) {
  std::vector<std::wstring> lines;
  for (const Step& step : button.steps) lines.push_back(record(step, folder));
  return lines;
}

inline std::vector<std::wstring> records(const std::vector<rig::Start>& starts) {
  std::vector<std::wstring> lines;
  for (const rig::Start& start : starts) {
    // Shown normally means STARTF_USESHOWWINDOW with SW_SHOWNORMAL.
    const unsigned show = (start.startup_flags & STARTF_USESHOWWINDOW) ? start.show_window : 99;
    lines.push_back(start.module + L" | " + start.command_line + L" | " + std::to_wstring(show));
  }
  return lines;
}

}  // namespace expected
