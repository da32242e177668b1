// Packs a definition with its pictures into one block, and loads it back.
#include "ui/form_resource.h"

#include <map>

#include "app/failure.h"

namespace ui {

std::string pack_form(std::string_view text, const std::vector<Picture>& pictures) {
  std::string stored(text);
  stored += '\0';
  for (const auto& [name, bytes] : pictures) {
    stored += name;
    stored += '\0';
    for (int shift = 0; shift < 32; shift += 8) stored += static_cast<char>(bytes.size() >> shift);
    stored += bytes;
  }
  return stored;
}

Form load_form(std::string_view stored) {
  const auto damaged = [] { throw app::Failure("The stored form is damaged"); };
  const std::size_t text_end = stored.find('\0');
  if (text_end == std::string_view::npos) damaged();
  Form form = parse_form(stored.substr(0, text_end));

  std::map<std::string, std::string_view, std::less<>> pictures;
  std::string_view rest = stored.substr(text_end + 1);
  while (!rest.empty()) {
    const std::size_t name_end = rest.find('\0');
    if (name_end == std::string_view::npos || rest.size() < name_end + 5) damaged();
    std::size_t size = 0;
    for (int i = 3; i >= 0; --i) {
      size =
          size << 8 | static_cast<unsigned char>(rest[name_end + 1 + static_cast<std::size_t>(i)]);
    }
    if (rest.size() - name_end - 5 < size) damaged();
    pictures.emplace(std::string(rest.substr(0, name_end)), rest.substr(name_end + 5, size));
    rest.remove_prefix(name_end + 5 + size);
  }
  for (Control& control : form.controls) {
    if (control.picture.empty()) continue;
    const auto found = pictures.find(control.picture);
    if (found == pictures.end()) {
      throw app::Failure("The picture " + control.picture + " of " + control.name +
                               " is missing");
    }
    control.picture_data = found->second;
  }
  return form;
}

}  // namespace ui
