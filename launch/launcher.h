// Running a button's launch action through the platform.
#pragma once

#include <string_view>

#include "launch/actions.h"
#include "launch/platform.h"

namespace launch {

// Starts the action's steps in order and returns without waiting for any of them. A step that
// cannot be formed safely is left out: a service command when the system directory is unknown,
// an installer when the module path failed or was cut (a cut path names another folder).
void run_action(const LaunchAction& action, Platform& platform);

// What a button's click handler does: run the action of `control`.
inline void click(std::string_view control, Platform& platform) {
  run_action(action_of(control), platform);
}

}  // namespace launch
