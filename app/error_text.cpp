// Error box text rule.
#include "app/error_text.h"

namespace app {

std::string error_text(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace app
