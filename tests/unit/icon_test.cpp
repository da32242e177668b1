// The application icon: 32 x 32 in 16 colours, and the committed .ico matches its text picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "source_files.h"

namespace {

TEST(MainIcon, IsOne32By32ImageIn16Colours) {
  const auto ico = read_source_bytes("resources/mainicon.ico");
  ASSERT_GE(ico.size(), 22u);
  EXPECT_EQ(little_endian(ico, 2, 2), 1u);  // an icon
  EXPECT_EQ(little_endian(ico, 4, 2), 1u);  // one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(ico[8], 16);
  const std::size_t image = little_endian(ico, 18, 4);
  EXPECT_EQ(little_endian(ico, image + 4, 4), 32u);  // width
  EXPECT_EQ(little_endian(ico, image + 8, 4), 64u);  // height of colour and mask together
  EXPECT_EQ(little_endian(ico, image + 14, 2), 4u);  // bits per pixel
  EXPECT_EQ(little_endian(ico, image + 16, 4), 0u);  // uncompressed
}

TEST(MainIcon, MatchesItsTextPicture) {
  const auto ico = read_source_bytes("resources/mainicon.ico");
  const auto picture = read_source_lines("resources/mainicon.txt");
  ASSERT_EQ(picture.size(), 32u);
  const std::size_t image = little_endian(ico, 18, 4);
  const std::size_t pixels = image + 40 + 16 * 4;
  const std::size_t mask = pixels + 32 * 16;
  ASSERT_EQ(ico.size(), mask + 32 * 4);
  for (std::size_t y = 0; y < 32; ++y) {
    ASSERT_EQ(picture[y].size(), 32u) << "line " << y;
    const std::size_t row = 31 - y;  // stored bottom-up
    for (std::size_t x = 0; x < 32; ++x) {
      const unsigned char pair = ico[pixels + row * 16 + x / 2];
      const unsigned index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      const bool transparent = (ico[mask + row * 4 + x / 8] >> (7 - x % 8)) & 1;
      const char c = picture[y][x];
      EXPECT_EQ(transparent, c == '.') << "x " << x << " y " << y;
      if (c != '.') {
        EXPECT_EQ(index, std::stoul(std::string(1, c), nullptr, 16)) << x << "," << y;
      }
    }
  }
}

}  // namespace
