// Title rule of the application object.
#include "app/title.h"

namespace app {

std::string application_title(std::string_view path, const launch::LeadBytes& lead) {
  const std::size_t separator = launch::find_last_separator(path, "\\", lead);
  std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
  // The first ".", not the last: "my.setup.exe" is titled "my".
  name = name.substr(0, name.find('.'));

  std::string title(name);
  std::size_t i = 0;
  bool first = true;
  while (i < title.size()) {
    const unsigned char byte = static_cast<unsigned char>(title[i]);
    const std::size_t width = lead.contains(byte) && i + 1 < title.size() ? 2 : 1;
    if (!first && width == 1 && byte >= 'A' && byte <= 'Z') title[i] = static_cast<char>(byte + 32);
    first = false;
    i += width;
  }
  return title;
}

}  // namespace app
