// Files of the source tree, read by the tests that check what is shipped.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "ui/form_definition.h"

inline std::string read_source_file(const std::string& relative_path) {
  std::ifstream file(SOURCE_DIR "/" + relative_path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::string form1_text() { return read_source_file("ui/Unit1.form"); }

inline ui::Form form1() { return ui::parse_form(form1_text()); }
