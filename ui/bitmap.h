// Reading a picture stored as an uncompressed 24-bit Windows bitmap (.bmp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ui {

struct Bitmap {
  std::string_view bytes;  // the whole file
  int width = 0;
  int height = 0;
  std::size_t info_offset = 0;  // the BITMAPINFOHEADER
  std::size_t bits_offset = 0;
  bool bottom_up = true;

  // 0x00BBGGRR of the pixel in column x, row y, rows counted from the top.
  std::uint32_t pixel(int x, int y) const;
  // The colour a transparent drawing leaves out: that of the bottom-left pixel.
  std::uint32_t transparent_colour() const { return pixel(0, height - 1); }
};

// Throws app::Failure naming what is wrong with a file that is not such a bitmap.
Bitmap read_bitmap(std::string_view bytes);

}  // namespace ui
