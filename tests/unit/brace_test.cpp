// The brace beside the data buttons: the committed .bmp is the brace as designed and matches its
// text picture.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "source_files.h"
#include "tests/brace_design.h"

namespace {

using brace_design::kHeight;
using brace_design::kWidth;

using Rgb = std::array<int, 3>;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// Just enough of a reader for the one layout the generator writes; the header test pins that
// layout down, so the pixel tests may rely on it.
struct Bitmap {
  std::vector<unsigned char> bytes = read_source_bytes("resources/brace.bmp");
  std::size_t stride = (kWidth * 3 + 3) / 4 * 4;

  Rgb at(int x, int y) const {  // y counts from the top; rows are stored bottom-up
    const std::size_t p = little_endian(bytes, 10, 4) +
                          static_cast<std::size_t>(kHeight - 1 - y) * stride +
                          static_cast<std::size_t>(x) * 3;
    return {bytes.at(p + 2), bytes.at(p + 1), bytes.at(p)};  // stored blue, green, red
  }
};

TEST(Brace, IsA25By71BottomUpUncompressed24BitBitmap) {
  const Bitmap bmp;
  const auto& b = bmp.bytes;
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(little_endian(b, 2, 4), b.size());
  EXPECT_EQ(little_endian(b, 10, 4), 54u);  // pixels right after headers
  EXPECT_EQ(little_endian(b, 14, 4), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<int32_t>(little_endian(b, 18, 4)), kWidth);
  EXPECT_EQ(static_cast<int32_t>(little_endian(b, 22, 4)), kHeight);  // positive: bottom-up
  EXPECT_EQ(little_endian(b, 26, 2), 1u);                             // planes
  EXPECT_EQ(little_endian(b, 28, 2), 24u);                            // bits per pixel
  EXPECT_EQ(little_endian(b, 30, 4), 0u);                             // BI_RGB
  EXPECT_EQ(little_endian(b, 34, 4), bmp.stride * kHeight);           // image size
  EXPECT_EQ(b.size(), 54u + bmp.stride * kHeight);
}

TEST(Brace, EveryPixelIsAsDesigned) {
  const Bitmap bmp;
  ASSERT_EQ(bmp.bytes.size(), 54u + bmp.stride * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      EXPECT_EQ(bmp.at(x, y), brace_design::is_black(x, y) ? kBlack : kWhite)
          << "x " << x << " y " << y;
    }
  }
}

TEST(Brace, MatchesItsTextPicture) {
  const Bitmap bmp;
  const auto picture = read_source_lines("resources/brace.txt");
  ASSERT_EQ(bmp.bytes.size(), 54u + bmp.stride * kHeight);
  ASSERT_EQ(picture.size(), static_cast<std::size_t>(kHeight));
  for (int y = 0; y < kHeight; ++y) {
    const std::string& line = picture[static_cast<std::size_t>(y)];
    ASSERT_EQ(line.size(), static_cast<std::size_t>(kWidth)) << "line " << y;
    for (int x = 0; x < kWidth; ++x) {
      const char c = line[static_cast<std::size_t>(x)];
      ASSERT_TRUE(c == '#' || c == '.') << "x " << x << " y " << y;
      EXPECT_EQ(bmp.at(x, y), c == '#' ? kBlack : kWhite) << "x " << x << " y " << y;
    }
  }
}

// The window draws the picture with its bottom-left pixel as the transparent colour; were it
// black, the brace itself would vanish and the white ground would hide Label5.
TEST(Brace, BottomLeftPixelIsWhite) {
  const Bitmap bmp;
  ASSERT_GE(bmp.bytes.size(), 57u);
  EXPECT_EQ(bmp.at(0, kHeight - 1), kWhite);
}

}  // namespace
