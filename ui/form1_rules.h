// What Form1's definition must agree on with the program: its class, buttons and handlers.
#pragma once

#include "ui/form_definition.h"

namespace ui {

// Throws FormError, at the line that shows the fault, unless the definition is Form1 of class
// TForm1 with a button for every launch action (its handler and caption), and nothing else
// clickable; every button in the tab order exactly once; every label with a caption and every
// picture control with a picture.
void check_form1(const Form& form);

}  // namespace ui
