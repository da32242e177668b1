// Density arithmetic: the font by pixels per inch, the controls by the measured text height.
#include "ui/density.h"

#include <cstdint>
#include <cstdlib>

namespace ui {

int mul_div(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t{value} * numerator;
  const std::int64_t magnitude = (std::llabs(product) * 2 + std::llabs(denominator)) /
                                 (std::int64_t{std::abs(denominator)} * 2);
  const bool negative = (product < 0) != (denominator < 0);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

void fit_font_to_density(Form& form, int screen_dpi) {
  if (screen_dpi != form.pixels_per_inch) {
    form.font.height = mul_div(form.font.height, screen_dpi, form.pixels_per_inch);
  }
}

void scale_controls(Form& form, int measured_text_height) {
  const int m = measured_text_height;
  const int d = form.text_height;
  if (m == d) return;
  for (Control& control : form.controls) {
    Rect& r = control.bounds;
    const int left = mul_div(r.left, m, d);
    const int top = mul_div(r.top, m, d);
    const int right = mul_div(r.right(), m, d);
    const int bottom = mul_div(r.bottom(), m, d);
    r = {left, top, right - left, bottom - top};
    if (control.font) control.font->height = mul_div(control.font->height, m, d);
  }
}

}  // namespace ui
