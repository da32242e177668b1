// Lead-byte sets and the backward separator scan used on ANSI paths.
#include "launch/lead_bytes.h"

namespace launch {

LeadBytes lead_bytes_from_ranges(std::span<const unsigned char> ranges) {
  LeadBytes lead;
  for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) {
    const unsigned first = ranges[i];
    const unsigned last = ranges[i + 1];
    if (first == 0 && last == 0) break;
    for (unsigned byte = first; byte <= last && byte < 256; ++byte) lead.bytes.set(byte);
  }
  return lead;
}

bool is_second_byte(std::string_view text, std::size_t index, const LeadBytes& lead) {
  std::size_t run = 0;
  while (run < index && lead.contains(static_cast<unsigned char>(text[index - run - 1]))) ++run;
  return run % 2 == 1;
}

std::size_t find_last_separator(std::string_view text, std::string_view separators,
                                const LeadBytes& lead) {
  std::size_t i = text.size();
  while (i > 0) {
    --i;
    if (separators.find(text[i]) == std::string_view::npos) continue;
    if (!is_second_byte(text, i, lead)) return i;
    // The lead byte before a second byte belongs to the same character: step over both.
    --i;
  }
  return std::string_view::npos;
}

}  // namespace launch
