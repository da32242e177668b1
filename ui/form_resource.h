// The form as the program stores it: the checked definition, field by field, with its pictures.
#pragma once

#include <string>
#include <string_view>

#include "ui/form_definition.h"

namespace ui {

// The build checks the definition's text once; the program then reads these fields back
// without a parser. Every picture control carries its bytes (Control::picture_data). Line
// numbers are left out: they only serve the build's messages.
std::string store_form(const Form& form);

// Reads what store_form wrote. Throws app::Failure for anything else, cut short or with bytes
// left over.
Form load_form(std::string_view stored);

}  // namespace ui
