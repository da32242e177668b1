// Conversions between the program's 8-bit texts and the UTF-16 of the Unicode window functions.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace app {

// `text` in `code_page` (CP_UTF8 for the program's own texts, CP_ACP for paths) as UTF-16.
inline std::wstring wide_text(std::string_view text, UINT code_page) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace app
