// The stored form: the definition with its pictures packs and loads back, and damage is caught.
#include "ui/form_resource.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "source_files.h"
#include "ui/bitmap.h"

namespace {

std::string brace_bmp() { return read_source_file("resources/brace.bmp"); }

TEST(FormResource, LoadsBackTheDefinitionWithItsPicture) {
  const std::string bmp = brace_bmp();
  const ui::Form form = ui::load_form(ui::pack_form(form1_text(), {{"brace.bmp", bmp}}));
  EXPECT_EQ(form.controls.size(), form1().controls.size());
  EXPECT_EQ(form.find("Image1")->picture_data, bmp);
  EXPECT_TRUE(form.find("Button1")->picture_data.empty());
}

TEST(FormResource, RefusesAMissingPictureAndDamage) {
  const std::string text = form1_text();
  EXPECT_THROW(ui::load_form(ui::pack_form(text, {})), app::Failure);
  EXPECT_THROW(ui::load_form(text), app::Failure) << "no end of the text";
  std::string packed = ui::pack_form(text, {{"brace.bmp", brace_bmp()}});
  packed.pop_back();
  EXPECT_THROW(ui::load_form(packed), app::Failure) << "picture cut short";
  EXPECT_THROW(ui::load_form(text + '\0' + "brace.bmp"), app::Failure) << "no length";
}

TEST(Bitmap, ReadsTheBraceAndItsTransparentColour) {
  const std::string bmp = brace_bmp();
  const ui::Bitmap brace = ui::read_bitmap(bmp);
  EXPECT_EQ(brace.width, 25);
  EXPECT_EQ(brace.height, 71);
  EXPECT_EQ(brace.transparent_colour(), 0xFFFFFFu);
  // The point of the brace, rows 35 and 36, reaches column 22; the upper arm starts at (4, 5).
  EXPECT_EQ(brace.pixel(22, 36), 0u);
  EXPECT_EQ(brace.pixel(22, 35), 0xFFFFFFu);
  EXPECT_EQ(brace.pixel(4, 5), 0u);
  EXPECT_EQ(brace.pixel(3, 5), 0xFFFFFFu);
}

struct Damage {
  const char* why;
  std::size_t offset;  // the byte replaced, or the size the file is cut to when `cut`
  char byte;
  bool cut;
  friend void PrintTo(const Damage& d, std::ostream* os) { *os << d.why; }
};

class DamagedBitmap : public testing::TestWithParam<Damage> {};

TEST_P(DamagedBitmap, IsRefused) {
  const Damage& d = GetParam();
  std::string bmp = brace_bmp();
  if (d.cut) {
    bmp.resize(d.offset);
  } else {
    bmp[d.offset] = d.byte;
  }
  EXPECT_THROW(ui::read_bitmap(bmp), app::Failure);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedBitmap,
                         testing::Values(Damage{"not BM", 0, 'X', false},
                                         Damage{"8 bits per pixel", 28, 8, false},
                                         Damage{"compressed", 30, 1, false},
                                         Damage{"no width", 18, 0, false},
                                         Damage{"pixels cut short", 5000, 0, true},
                                         Damage{"header cut short", 40, 0, true}));

}  // namespace
