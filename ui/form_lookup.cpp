// Look-ups in a form: a control by name, and the line of a control's property. Kept apart from
// the parser, so that the program, which reads stored forms, does not link the parser with them.
#include "ui/form_definition.h"

namespace ui {

const Control* Form::find(std::string_view control) const {
  for (const Control& c : controls) {
    if (c.name == control) return &c;
  }
  return nullptr;
}

int Control::line_of(std::string_view property) const {
  for (const auto& [name, property_line] : property_lines) {
    if (name == property) return property_line;
  }
  return line;
}

}  // namespace ui
