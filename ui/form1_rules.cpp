// Checks a definition of Form1 against the launch actions, so a wrong one never ships.
#include "ui/form1_rules.h"

#include <map>

#include "launch/actions.h"

namespace ui {

void check_form1(const Form& form) {
  if (form.name != "Form1" || form.class_name != "TForm1") {
    throw FormError(form.line, "the form must be 'object Form1: TForm1'");
  }
  std::map<int, const Control*> tab_stops;
  for (const Control& control : form.controls) {
    const auto fail = [&](std::string_view property, const std::string& message) {
      throw FormError(control.line_of(property), control.name + ": " + message);
    };
    switch (control.kind) {
      case ControlKind::kButton: {
        const launch::LaunchAction* action = launch::find_action(control.name);
        if (!action) fail("", "no launch action belongs to this button");
        if (control.on_click.empty()) fail("", "has no OnClick");
        if (control.on_click != action->handler) {
          fail("OnClick", "unknown handler " + control.on_click + ", expected " +
                              std::string(action->handler));
        }
        if (control.caption != action->caption) {
          fail("Caption", "the caption must be '" + std::string(action->caption) + "'");
        }
        if (!control.tab_order) fail("", "has no TabOrder");
        const auto [at, fresh] = tab_stops.emplace(*control.tab_order, &control);
        if (!fresh) {
          fail("TabOrder", "tab order " + std::to_string(*control.tab_order) + " is " +
                               at->second->name + "'s already");
        }
        break;
      }
      case ControlKind::kLabel:
        if (control.caption.empty()) fail("", "has no Caption");
        break;
      case ControlKind::kImage:
        if (control.picture.empty()) fail("", "has no Picture");
        break;
    }
  }
  for (const launch::LaunchAction& action : launch::kLaunchActions) {
    if (!form.find(action.control)) {
      throw FormError(form.line, "no button " + std::string(action.control) + " for '" +
                                     std::string(action.caption) + "'");
    }
  }
  // Tab orders run 0, 1, 2 … without gaps, so Tab reaches every button.
  int expected = 0;
  for (const auto& [order, control] : tab_stops) {
    if (order != expected++) {
      throw FormError(control->line_of("TabOrder"),
                      control->name + ": tab order " + std::to_string(order) + " leaves a gap");
    }
  }
}

}  // namespace ui
