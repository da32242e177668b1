// What a label shows of its caption: its lines, with "&" marking the access character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct LabelLine {
  std::string text;  // UTF-8, as shown
  // The underlined access character: its byte offset and length in `text`, or npos.
  std::size_t access = std::string::npos;
  std::size_t access_length = 0;

  friend bool operator==(const LabelLine&, const LabelLine&) = default;
};

// Splits at line breaks ("\n", "\r\n"); "&&" shows as "&", a single "&" underlines the character
// after it (the first such one; later ones are dropped), and a last lone "&" is dropped.
std::vector<LabelLine> label_lines(std::string_view caption);

}  // namespace ui
