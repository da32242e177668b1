// The access-key prefix rule and line breaking of label captions.
#include "ui/label_text.h"

#include <algorithm>

namespace ui {

namespace {

// Bytes in the UTF-8 sequence that starts with `lead`.
std::size_t sequence_length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

LabelLine shown_line(std::string_view source) {
  LabelLine line;
  for (std::size_t i = 0; i < source.size(); ++i) {
    if (source[i] != '&') {
      line.text += source[i];
      continue;
    }
    if (i + 1 == source.size()) break;
    if (source[i + 1] == '&') {
      line.text += '&';
      ++i;
      continue;
    }
    if (line.access == std::string::npos) {
      line.access = line.text.size();
      line.access_length = std::min(sequence_length(static_cast<unsigned char>(source[i + 1])),
                                    source.size() - i - 1);
    }
  }
  return line;
}

}  // namespace

std::vector<LabelLine> label_lines(std::string_view caption) {
  std::vector<LabelLine> lines;
  while (true) {
    const std::size_t stop = caption.find('\n');
    std::string_view line = caption.substr(0, stop);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(shown_line(line));
    if (stop == std::string_view::npos) return lines;
    caption.remove_prefix(stop + 1);
  }
}

}  // namespace ui
