// Files of the source tree, read by the tests that check what is shipped.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/form_definition.h"

inline std::string read_source_file(const std::string& relative_path) {
  std::ifstream file(SOURCE_DIR "/" + relative_path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::vector<unsigned char> read_source_bytes(const std::string& relative_path) {
  const std::string bytes = read_source_file(relative_path);
  return {bytes.begin(), bytes.end()};
}

inline std::vector<std::string> read_source_lines(const std::string& relative_path) {
  std::ifstream file(SOURCE_DIR "/" + relative_path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

// The `size`-byte little-endian number at `at`, as Windows' file formats store them.
inline std::uint32_t little_endian(const std::vector<unsigned char>& bytes, std::size_t at,
                                   int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

inline std::string form1_text() { return read_source_file("ui/Unit1.form"); }

inline ui::Form form1() { return ui::parse_form(form1_text()); }
