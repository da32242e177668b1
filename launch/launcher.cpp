// The launch actions: table look-up and the steps' command lines, started without waiting.
#include "launch/launcher.h"

#include <string>

#include "app/failure.h"
#include "launch/command_line.h"
#include "launch/program_folder.h"

namespace launch {

const LaunchAction* find_action(std::string_view control) {
  for (const LaunchAction& action : kLaunchActions) {
    if (action.control == control) return &action;
  }
  return nullptr;
}

const LaunchAction& action_of(std::string_view control) {
  if (const LaunchAction* action = find_action(control)) return *action;
  app::fail("No launch action for " + std::string(control));
}

namespace {

std::string step_command_line(const LaunchStep& step, const Platform& platform) {
  if (step.kind == StepKind::kService) {
    return service_command_line(platform.system_directory(), step.text);
  }
  // Asked anew on every click: nothing is kept from one click to the next.
  const std::string path = platform.module_path();
  if (path.empty() || path.size() >= kModulePathCapacity) return {};
  return installer_command_line(program_folder(path, platform.lead_bytes()), step.text);
}

}  // namespace

void run_action(const LaunchAction& action, Platform& platform) {
  for (const LaunchStep& step : action.step_list()) {
    const std::string line = step_command_line(step, platform);
    if (!line.empty()) platform.launch(line, kShowNormal);
  }
}

}  // namespace launch
