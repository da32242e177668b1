// How a layout made at one screen density follows the screen it is shown on.
#pragma once

#include "ui/form_definition.h"

namespace ui {

// value · numerator / denominator, rounded to the nearest whole number, halves away from zero.
int mul_div(int value, int numerator, int denominator);

// The form's font for a screen of `screen_dpi` pixels per inch.
void fit_font_to_density(Form& form, int screen_dpi);

// Once the height of "0" in the fitted font is known: when it is not the designed one, every
// control's edges, and the fonts of controls that have their own, grow or shrink by the ratio.
// The form's outer size stays.
void scale_controls(Form& form, int measured_text_height);

}  // namespace ui
