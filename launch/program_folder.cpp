// Program folder rule: the last real "\" or ":" of the module path ends the folder.
#include "launch/program_folder.h"

namespace launch {

std::string_view program_folder(std::string_view path, const LeadBytes& lead) {
  const std::size_t separator = find_last_separator(path, "\\:", lead);
  if (separator == std::string_view::npos) return {};
  return path.substr(0, separator + 1);
}

}  // namespace launch
