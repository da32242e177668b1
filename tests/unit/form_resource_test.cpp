// The stored form: the definition with its pictures packs and loads back, and damage is caught.
#include "ui/form_resource.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>

#include "source_files.h"
#include "ui/bitmap.h"

namespace {

std::string brace_bmp() { return read_source_file("resources/brace.bmp"); }

// Form1 as the build stores it: the real definition with the brace attached.
ui::Form form1_with_picture() {
  ui::Form form = form1();
  for (ui::Control& control : form.controls) {
    if (!control.picture.empty()) control.picture_data = brace_bmp();
  }
  return form;
}

// Line numbers are the build's business and are not stored.
void expect_same_form(const ui::Form& loaded, const ui::Form& expected) {
  ui::Form without_lines = expected;
  without_lines.line = 0;
  for (ui::Control& control : without_lines.controls) {
    control.line = 0;
    control.property_lines.clear();
  }
  EXPECT_EQ(loaded, without_lines);
}

TEST(FormResource, LoadsBackEveryFieldOfTheDefinitionAndThePicture) {
  const ui::Form form = form1_with_picture();
  const ui::Form loaded = ui::load_form(ui::store_form(form));
  expect_same_form(loaded, form);
  EXPECT_EQ(loaded.find("Image1")->picture_data, brace_bmp());
  EXPECT_TRUE(loaded.find("Button1")->picture_data.empty());
}

TEST(FormResource, LoadsBackWhatTheDefinitionLeftOut) {
  // Form1 sets every optional field; a form that sets none must come back as it was too.
  ui::Form form;
  form.name = "Form2";
  form.class_name = "TForm2";
  form.border_style = ui::BorderStyle::kSingle;
  form.border_icons = ui::kSystemMenu;
  ui::Control label;
  label.name = "Label1";
  label.caption = "a\nb";
  ui::Control button;
  button.name = "Button1";
  button.kind = ui::ControlKind::kButton;
  button.tab_order = 0;
  button.font = ui::Font{"Arial", 0, -11, {false, 0x0000FF}, ui::kBold | ui::kItalic};
  form.controls = {label, button};
  expect_same_form(ui::load_form(ui::store_form(form)), form);
}

TEST(FormResource, RefusesEveryCutAndAnythingLeftOver) {
  const std::string stored = ui::store_form(form1_with_picture());
  for (std::size_t size = 0; size < stored.size(); ++size) {
    EXPECT_THROW(ui::load_form(stored.substr(0, size)), app::Failure) << "cut to " << size;
  }
  EXPECT_THROW(ui::load_form(stored + '\0'), app::Failure) << "a byte left over";
}

ui::Form one_label_form() {
  ui::Form form;
  form.name = "Form1";
  form.class_name = "TForm1";
  ui::Control label;
  label.name = "Label1";
  form.controls = {label};
  return form;
}

// Where a field of one_label_form() is stored: the first byte that a change of it alters.
template <void (*change)(ui::Form&)>
std::size_t byte_changed_by(const std::string& stored) {
  ui::Form changed = one_label_form();
  change(changed);
  const std::string other = ui::store_form(changed);
  std::size_t at = 0;
  while (at < stored.size() && at < other.size() && stored[at] == other[at]) ++at;
  return at;
}

void scroll(ui::Form& form) { form.auto_scroll = true; }
void single_border(ui::Form& form) { form.border_style = ui::BorderStyle::kSingle; }
void button(ui::Form& form) { form.controls[0].kind = ui::ControlKind::kButton; }
void other_text_height(ui::Form& form) { form.text_height = 16; }
void other_density(ui::Form& form) { form.pixels_per_inch = 97; }

struct StoredDamage {
  const char* why;
  std::size_t (*where)(const std::string& stored);
  char byte;  // what the byte there is overwritten with
  friend void PrintTo(const StoredDamage& d, std::ostream* os) { *os << d.why; }
};

class DamagedStoredForm : public testing::TestWithParam<StoredDamage> {};

TEST_P(DamagedStoredForm, IsRefused) {
  std::string stored = ui::store_form(one_label_form());
  ASSERT_NO_THROW(ui::load_form(stored));
  const std::size_t at = GetParam().where(stored);
  ASSERT_LT(at, stored.size());
  stored[at] = GetParam().byte;
  EXPECT_THROW(ui::load_form(stored), app::Failure);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedStoredForm,
    testing::Values(
        StoredDamage{"not a stored form", [](const std::string&) -> std::size_t { return 0; }, 'X'},
        StoredDamage{"another layout", [](const std::string&) -> std::size_t { return 4; }, 2},
        // The form's name comes first: its length's top byte makes it run past the end.
        StoredDamage{"text past the end", [](const std::string&) -> std::size_t { return 8; },
                     0x7f},
        // The count of controls stands before the first control's name and its length.
        StoredDamage{"huge control count",
                     [](const std::string& s) { return s.find("Label1") - 5; }, 0x7f},
        StoredDamage{"flag neither 0 nor 1", byte_changed_by<scroll>, 2},
        StoredDamage{"unknown border style", byte_changed_by<single_border>, 7},
        StoredDamage{"unknown control kind", byte_changed_by<button>, 9},
        StoredDamage{"no text height", byte_changed_by<other_text_height>, 0},
        StoredDamage{"no density", byte_changed_by<other_density>, 0}));

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
