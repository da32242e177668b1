// Form1's definition holds the window as designed, and broken definitions are refused at the
// line that shows the fault.
#include "ui/form_definition.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "source_files.h"
#include "ui/form1_rules.h"

namespace {

using ui::ControlKind;

TEST(Form1Definition, HoldsTheWindowAsDesigned) {
  const ui::Form form = form1();
  EXPECT_EQ(form.name, "Form1");
  EXPECT_EQ(form.class_name, "TForm1");
  EXPECT_EQ(form.bounds, (ui::Rect{192, 107, 541, 528}));
  EXPECT_EQ(form.caption, "Orvella安装软件");
  EXPECT_EQ(form.colour, (ui::Colour{true, 15}));  // COLOR_BTNFACE
  EXPECT_EQ(form.font, (ui::Font{"宋体", 134, -15, {true, 8}, 0}));
  EXPECT_EQ(form.pixels_per_inch, 96);
  EXPECT_EQ(form.text_height, 15);
  EXPECT_TRUE(form.auto_scroll);
  EXPECT_EQ(form.border_style, ui::BorderStyle::kSizeable);
  EXPECT_EQ(form.border_icons, ui::kSystemMenu | ui::kMinimize | ui::kMaximize);
  EXPECT_NO_THROW(ui::check_form1(form));
}

struct Designed {
  const char* name;
  ControlKind kind;
  ui::Rect bounds;
  std::optional<int> tab_order;
};

// Creation order, places, sizes and tab orders as the window was laid out.
constexpr Designed kDesigned[] = {
    {"Label2", ControlKind::kLabel, {411, 120, 116, 15}, {}},
    {"Label3", ControlKind::kLabel, {409, 32, 116, 15}, {}},
    {"Label5", ControlKind::kLabel, {176, 152, 90, 15}, {}},
    {"Label6", ControlKind::kLabel, {200, 256, 313, 150}, {}},
    {"Image1", ControlKind::kImage, {152, 120, 105, 105}, {}},
    {"Label4", ControlKind::kLabel, {216, 416, 121, 30}, {}},
    {"Label7", ControlKind::kLabel, {368, 420, 121, 30}, {}},
    {"Button1", ControlKind::kButton, {40, 251, 113, 65}, 0},
    {"Button4", ControlKind::kButton, {296, 8, 113, 61}, 1},
    {"Button5", ControlKind::kButton, {296, 88, 113, 65}, 2},
    {"Button6", ControlKind::kButton, {40, 91, 113, 65}, 3},
    {"Button7", ControlKind::kButton, {40, 335, 113, 65}, 4},
    {"Button8", ControlKind::kButton, {40, 171, 113, 65}, 5},
    {"Button2", ControlKind::kButton, {40, 11, 113, 65}, 6},
    {"Button9", ControlKind::kButton, {40, 415, 113, 65}, 7},
};

TEST(Form1Definition, CreatesTheControlsInOrderWhereDesigned) {
  const ui::Form form = form1();
  ASSERT_EQ(form.controls.size(), std::size(kDesigned));
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const ui::Control& control = form.controls[i];
    const Designed& designed = kDesigned[i];
    SCOPED_TRACE(designed.name);
    EXPECT_EQ(control.name, designed.name);
    EXPECT_EQ(control.kind, designed.kind);
    EXPECT_EQ(control.bounds, designed.bounds);
    EXPECT_EQ(control.tab_order, designed.tab_order);
    EXPECT_EQ(control.font.has_value(), control.name == "Label4" || control.name == "Label7");
  }
}

TEST(Form1Definition, LabelsReadAsDesigned) {
  const ui::Form form = form1();
  EXPECT_EQ(form.find("Label2")->caption, "（2000&&XP适用）");
  EXPECT_EQ(form.find("Label3")->caption, "（2000&&XP适用）");
  EXPECT_EQ(form.find("Label5")->caption, "两者任选其一");
  EXPECT_EQ(form.find("Label4")->caption, "软件初始工号：02\n初始密码：7364");
  EXPECT_EQ(form.find("Label7")->caption, "软件出纳工号：03\n密码：6417");
  const ui::Font red{"宋体", 134, -15, {false, 0x0000FF}, 0};
  EXPECT_EQ(form.find("Label4")->font, red);
  EXPECT_EQ(form.find("Label7")->font, red);

  const std::string& note = form.find("Label6")->caption;
  std::vector<std::string> lines{""};
  for (const char c : note) {
    if (c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  ASSERT_EQ(lines.size(), 10u);
  const std::vector<std::string> first_eight{"说明：",
                                             "左边一排的软件除数据库任选其一外，",
                                             "其他软件都必须按顺序安装，",
                                             "安装完数据后应启动Mysql;",
                                             "如在WIN98中，安装数据库时，则必须",
                                             "停止Mysql，否则会安装出错，停止/启动",
                                             "要通过Mysql\\bin目录下的winmysqladmin.exe",
                                             "来执行。"};
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8), first_eight);
  // Placeholders that can reach no one: a reserved domain, numbers that are not in use.
  EXPECT_NE(lines[8].find(".example"), std::string::npos) << lines[8];
  EXPECT_EQ(lines[9], "13000000000 13000000001  010-00000000");

  const ui::Control& brace = *form.find("Image1");
  EXPECT_EQ(brace.picture, "brace.bmp");
  EXPECT_TRUE(brace.transparent);
}

// A definition made from the real one by replacing the first `from` with `to`; the error is
// expected on the line where `from` stood.
struct Broken {
  const char* why;
  const char* from;
  const char* to;
  const char* message;  // part of the error's text
  int shift = 0;        // lines from where `from` stood to where the fault shows
  friend void PrintTo(const Broken& b, std::ostream* os) { *os << b.why; }
};

int line_holding(const std::string& text, const std::string& part) {
  const std::size_t at = text.find(part);
  if (at == std::string::npos) return 0;
  int line = 1;
  for (std::size_t i = 0; i < at; ++i) line += text[i] == '\n';
  return line;
}

class BrokenDefinition : public testing::TestWithParam<Broken> {};

TEST_P(BrokenDefinition, IsRefusedAtItsLine) {
  const Broken& broken = GetParam();
  std::string text = form1_text();
  const std::size_t at = text.find(broken.from);
  ASSERT_NE(at, std::string::npos) << broken.from;
  const int line = line_holding(text, broken.from) + broken.shift;
  text.replace(at, std::string(broken.from).size(), broken.to);
  try {
    ui::check_form1(ui::parse_form(text));
    FAIL() << "accepted";
  } catch (const ui::FormError& e) {
    EXPECT_EQ(e.line(), line) << e.what();
    EXPECT_NE(e.message().find(broken.message), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()), "line " + std::to_string(line) + ": " + e.message());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenDefinition,
    testing::Values(
        Broken{"unknown property", "    Left = 411", "    Lft = 411",
               "unknown property Lft of Label2"},
        Broken{"property of another kind", "    TabOrder = 3", "    Transparent = True",
               "unknown property Transparent of Button6"},
        Broken{"unknown class", "Image1: TImage", "Image1: TPicture", "unknown class TPicture"},
        Broken{"property given twice", "    Top = 32\n", "    Top = 32\n    Top = 33\n",
               "Label3.Top is given twice", 1},
        Broken{"unquoted text", "'两者任选其一'", "两者任选其一", "cannot read the value"},
        Broken{"text not closed", "'两者任选其一'", "'两者任选其一", "must be quoted"},
        Broken{"stray quote", "'两者任选其一'", "'两者'任选其一'", "must be quoted"},
        Broken{"word for a number", "Width = 90", "Width = ninety",
               "Width: expected a whole number"},
        Broken{"number out of range", "Width = 90", "Width = 99999999999", "cannot read the value"},
        Broken{"unknown colour", "clRed", "clPink", "unknown value 'clPink'"},
        Broken{"unknown set member", "biMinimize", "biHelp", "unknown value 'biHelp'"},
        Broken{"set not closed", "[biSystemMenu, biMinimize, biMaximize]",
               "[biSystemMenu, biMinimize", "expected a set of names"},
        Broken{"line of the note unquoted", "      '说明：'", "      说明：",
               "expected a quoted line"},
        Broken{"no equals sign", "TabOrder = 7", "TabOrder 7", "expected 'Property = value'"},
        Broken{"object without class", "object Label5: TLabel", "object Label5",
               "expected 'object Name: Class'"},
        Broken{"two objects of one name",
               "object Label3:", "object Label2:", "a second object named Label2"},
        Broken{"control inside a control", "    Caption = '两者任选其一'\n  end",
               "    Caption = '两者任选其一'\n    object Label9: TLabel",
               "cannot hold other objects", 1},
        Broken{"control without its place", "    Left = 176\n", "", "Label5 has no Left", -1},
        Broken{"unknown handler", "OnClick = Button8Click", "OnClick = Button3Click",
               "Button8: unknown handler Button3Click"},
        Broken{"caption not the action's", "'安装空数据'", "'安装空数'",
               "the caption must be '安装空数据'"},
        Broken{"button of no action",
               "object Button9:", "object Button3:", "Button3: no launch action"},
        Broken{"tab order taken", "TabOrder = 7", "TabOrder = 0", "tab order 0 is Button1's"},
        Broken{"tab order leaves a gap", "TabOrder = 7", "TabOrder = 8",
               "tab order 8 leaves a gap"},
        Broken{"form of another class", "object Form1: TForm1", "object Form1: TForm2",
               "the form must be 'object Form1: TForm1'"}));

struct BrokenText {
  const char* why;
  const char* text;
  int line;
  const char* message;
  friend void PrintTo(const BrokenText& b, std::ostream* os) { *os << b.why; }
};

class BrokenShape : public testing::TestWithParam<BrokenText> {};

TEST_P(BrokenShape, IsRefusedAtItsLine) {
  const BrokenText& broken = GetParam();
  try {
    ui::parse_form(broken.text);
    FAIL() << "accepted";
  } catch (const ui::FormError& e) {
    EXPECT_EQ(e.line(), broken.line) << e.what();
    EXPECT_NE(e.message().find(broken.message), std::string::npos) << e.what();
  }
}

constexpr char kSmallForm[] = "object F: TF\n  Left = 1\n  Top = 2\n  Width = 3\n  Height = 4\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenShape,
    testing::Values(
        BrokenText{"empty", "", 1, "no 'object Name: Class'"},
        BrokenText{"only comments", "# a form\n", 2, "no 'object Name: Class'"},
        BrokenText{"property outside", "Left = 1\n", 1, "expected 'object Name: Class'"},
        BrokenText{"form not ended", kSmallForm, 6, "missing 'end'"},
        BrokenText{"end without object", "end\n", 1, "'end' without 'object'"},
        BrokenText{"text after the end",
                   "object F: TF\n Left = 1\n Top = 1\n Width = 1\n"
                   " Height = 1\nend\nobject G: TF\n",
                   7, "text after the form's closing 'end'"},
        BrokenText{"lines not closed",
                   "object F: TF\n Left = 1\n Top = 1\n Width = 1\n Height = 1\n"
                   " object L: TLabel\n  Caption = (\n   'a'\n",
                   9, "missing ')'"},
        BrokenText{"form property after a control",
                   "object F: TF\n Left = 1\n Top = 1\n Width = 1\n Height = 1\n"
                   " object L: TLabel\n  Left = 1\n  Top = 1\n  Width = 1\n  Height = 1\n"
                   "  Caption = 'x'\n end\n Color = clRed\nend\n",
                   13, "the form's properties come before its controls"},
        BrokenText{"form without its size", "object F: TF\n Left = 1\n Top = 1\n Width = 1\nend\n",
                   1, "F has no Height"}));

TEST(FormDefinition, ReadsCommentsQuotesAndWindowsLineEnds) {
  const ui::Form form = ui::parse_form(
      "# comment\r\nobject F: TF\r\n  Left = -5\r\n  Top = 2\r\n  Width = 3\r\n  Height = 4\r\n"
      "  Caption = 'it''s'\r\n  # comment inside\r\n  Font.Style = [fsBold, fsItalic]\r\n"
      "  object L: TLabel\r\n    Left = 1\r\n    Top = 1\r\n    Width = 1\r\n    Height = 1\r\n"
      "    Caption = (\r\n      'one'\r\n      ''\r\n    )\r\n    Font.Height = -20\r\n"
      "  end\r\nend\r\n");
  EXPECT_EQ(form.bounds, (ui::Rect{-5, 2, 3, 4}));
  EXPECT_EQ(form.caption, "it's");
  EXPECT_EQ(form.font.style, ui::kBold | ui::kItalic);
  ASSERT_EQ(form.controls.size(), 1u);
  EXPECT_EQ(form.controls[0].caption, "one\n");
  // A control's own font starts as a copy of the form's.
  ASSERT_TRUE(form.controls[0].font);
  EXPECT_EQ(form.controls[0].font->style, ui::kBold | ui::kItalic);
  EXPECT_EQ(form.controls[0].font->height, -20);
  EXPECT_EQ(form.controls[0].line_of("Font.Height"), 19);
  EXPECT_EQ(form.controls[0].line_of("OnClick"), 10);
}

}  // namespace
