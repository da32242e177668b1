// Double-byte awareness for ANSI text: which bytes open a two-byte character, and separator search.
#pragma once

#include <bitset>
#include <cstddef>
#include <span>
#include <string_view>

namespace launch {

// The lead bytes of one ANSI code page; empty for a single-byte code page.
struct LeadBytes {
  std::bitset<256> bytes;

  bool contains(unsigned char byte) const { return bytes[byte]; }
};

// Builds the set from ranges laid out as CPINFO::LeadByte holds them: pairs of first and last
// byte, ended by a pair of zeros or by the end of the array.
LeadBytes lead_bytes_from_ranges(std::span<const unsigned char> ranges);

// True when the byte at `index` is the second byte of a double-byte character: an odd number of
// lead bytes stands directly before it.
bool is_second_byte(std::string_view text, std::size_t index, const LeadBytes& lead);

// Index of the last byte of `text` that is one of `separators` and not the second byte of a
// double-byte character, scanning from the end; npos when there is none.
std::size_t find_last_separator(std::string_view text, std::string_view separators,
                                const LeadBytes& lead);

}  // namespace launch
