// Checks a .bmp file's headers and reads its pixels, without the window system.
#include "ui/bitmap.h"

#include "app/failure.h"

namespace ui {

namespace {

std::uint32_t little_endian(std::string_view bytes, std::size_t offset, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
  }
  return value;
}

std::size_t row_size(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

}  // namespace

std::uint32_t Bitmap::pixel(int x, int y) const {
  const int row = bottom_up ? height - 1 - y : y;
  const std::size_t at = bits_offset + static_cast<std::size_t>(row) * row_size(width) +
                         static_cast<std::size_t>(x) * 3;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
  return std::uint32_t{byte(0)} << 16 | std::uint32_t{byte(1)} << 8 | byte(2);
}

Bitmap read_bitmap(std::string_view bytes) {
  constexpr std::size_t kFileHeader = 14, kInfoHeader = 40;
  if (bytes.size() < kFileHeader + kInfoHeader || bytes.substr(0, 2) != "BM") {
    app::fail("not a Windows bitmap");
  }
  if (little_endian(bytes, 14, 4) < kInfoHeader) app::fail("unknown bitmap header");
  Bitmap bitmap;
  bitmap.bytes = bytes;
  bitmap.info_offset = kFileHeader;
  bitmap.bits_offset = little_endian(bytes, 10, 4);
  bitmap.width = static_cast<std::int32_t>(little_endian(bytes, 18, 4));
  const auto height = static_cast<std::int32_t>(little_endian(bytes, 22, 4));
  bitmap.bottom_up = height > 0;
  bitmap.height = height > 0 ? height : -height;
  if (little_endian(bytes, 26, 2) != 1 || little_endian(bytes, 28, 2) != 24) {
    app::fail("the bitmap is not of 24 bits per pixel");
  }
  if (little_endian(bytes, 30, 4) != 0) app::fail("the bitmap is compressed");
  if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > 4096 || bitmap.height > 4096) {
    app::fail("the bitmap's size is out of range");
  }
  if (bitmap.bits_offset < kFileHeader + kInfoHeader ||
      bitmap.bits_offset + row_size(bitmap.width) * static_cast<std::size_t>(bitmap.height) >
          bytes.size()) {
    app::fail("the bitmap's pixels are cut short");
  }
  return bitmap;
}

}  // namespace ui
