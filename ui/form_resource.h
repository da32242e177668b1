// The form as the program stores it: the definition's text with the pictures it names.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/form_definition.h"

namespace ui {

using Picture = std::pair<std::string, std::string>;  // file name, bytes

// The text, a NUL, then for each picture its name, a NUL, its length in four bytes (least
// significant first) and its bytes.
std::string pack_form(std::string_view text, const std::vector<Picture>& pictures);

// Parses the stored definition and gives every picture control its bytes. Throws FormError for
// a bad definition and std::runtime_error for a damaged store or a picture that is missing.
Form load_form(std::string_view stored);

}  // namespace ui
