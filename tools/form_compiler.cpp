// Build step: checks Form1's definition and stores it, with its pictures, as one resource file.
// A definition that does not hold stops the build with "file:line: message".
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "ui/bitmap.h"
#include "ui/form1_rules.h"
#include "ui/form_resource.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// A picture is named by its file name alone, so a definition cannot reach outside its folder.
bool is_plain_file_name(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\:") == std::string::npos;
}

void write_file(const fs::path& path, const std::string& bytes) {
  // Written beside and renamed, so that a failed run never leaves a partial resource.
  const fs::path partial = path.string() + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + partial.string());
  }
  fs::rename(partial, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: form_compiler DEFINITION PICTURE_FOLDER OUTPUT\n";
    return 2;
  }
  const fs::path definition = argv[1], pictures = argv[2], output = argv[3];
  try {
    const std::string text = read_file(definition);
    ui::Form form;
    try {
      form = ui::parse_form(text);
      ui::check_form1(form);
      for (ui::Control& control : form.controls) {
        if (control.picture.empty()) continue;
        const int line = control.line_of("Picture");
        if (!is_plain_file_name(control.picture)) {
          throw ui::FormError(line, "a picture is named by its file name alone");
        }
        std::string bytes;
        try {
          bytes = read_file(pictures / control.picture);
          ui::read_bitmap(bytes);
        } catch (const std::exception& e) {
          throw ui::FormError(line, control.picture + ": " + e.what());
        }
        control.picture_data = std::move(bytes);
      }
    } catch (const ui::FormError& e) {
      std::cerr << definition.string() << ':' << e.line() << ": " << e.message() << '\n';
      std::error_code ignored;
      fs::remove(output, ignored);
      return 1;
    }
    const std::string stored = ui::store_form(form);
    // The program must be able to read back what it is given.
    ui::load_form(stored);
    write_file(output, stored);
  } catch (const std::exception& e) {
    std::cerr << "form_compiler: " << e.what() << '\n';
    std::error_code ignored;
    fs::remove(output, ignored);
    return 1;
  }
  return 0;
}
