// The form's layout as it shows on the screen: caption, labels, brace, density and scrolling.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "layout.h"
#include "pixels.h"
#include "tests/brace_design.h"
#include "rig.h"

namespace {

using namespace std::chrono_literals;

const std::wstring kFormCaption = L"Orvella安装软件";

// A label's text as the screen shows it: "&&" in the designed text shows as one "&".
struct Label {
  const char* name;
  POINT at;  // client coordinates of the top-left corner
  std::vector<std::wstring> lines;
  bool red;
};

const std::vector<Label>& labels() {
  static const std::vector<Label> all = {
      {"Label2", {411, 120}, {L"（2000&XP适用）"}, false},
      {"Label3", {409, 32}, {L"（2000&XP适用）"}, false},
      {"Label5", {176, 152}, {L"两者任选其一"}, false},
      {"Label6",
       {200, 256},
       {L"说明：", L"左边一排的软件除数据库任选其一外，", L"其他软件都必须按顺序安装，",
        L"安装完数据后应启动Mysql;", L"如在WIN98中，安装数据库时，则必须",
        L"停止Mysql，否则会安装出错，停止/启动", L"要通过Mysql\\bin目录下的winmysqladmin.exe",
        L"来执行。", L"http://www.orvella.example", L"13000000000 13000000001  010-00000000"},
       false},
      {"Label4", {216, 416}, {L"软件初始工号：02", L"初始密码：7364"}, true},
      {"Label7", {368, 420}, {L"软件出纳工号：03", L"密码：6417"}, true},
  };
  return all;
}

const Label& label(const char* name) {
  const auto& all = labels();
  return *std::find_if(all.begin(), all.end(),
                       [&](const Label& l) { return std::string(l.name) == name; });
}

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr POINT kBraceAt{152, 120};
constexpr SIZE kBraceSize{brace_design::kWidth, brace_design::kHeight};
constexpr RECT kImageBox{152, 120, 257, 225};

bool inside(const RECT& rect, int x, int y) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// At the designed density both the window font and the credentials' own font are -15.
rig::Image reference_of(const Label& l, int window_font = -15, int own_font = -15) {
  Font font(rig::create_window_font(l.red ? own_font : window_font));
  return rig::render_lines(l.lines, font.get(),
                           l.red ? RGB(255, 0, 0) : GetSysColor(COLOR_WINDOWTEXT),
                           GetSysColor(COLOR_BTNFACE));
}

RECT rect_of(const Label& l) {
  const rig::Image reference = reference_of(l);
  return {l.at.x, l.at.y, l.at.x + reference.width, l.at.y + reference.height};
}

int count_pixels(const rig::Image& image, std::uint32_t colour) {
  return static_cast<int>(std::count(image.pixels.begin(), image.pixels.end(), colour));
}

// Smoothed text blends its colour into the face colour: red shows in the pixels as a red
// channel well above the others, seldom as pure red.
int count_reddish(const rig::Image& image) {
  return static_cast<int>(std::count_if(image.pixels.begin(), image.pixels.end(), [](auto p) {
    const int r = static_cast<int>(p >> 16 & 0xFF);
    const int g = static_cast<int>(p >> 8 & 0xFF);
    const int b = static_cast<int>(p & 0xFF);
    return r - std::max(g, b) >= 64;
  }));
}

// The form at the designed density, and what its client area shows once it has settled.
class Surface : public testing::Test {
 protected:
  void SetUp() override {
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    medium_ = rig::lay_out_medium(rig::media_dir() + L"surface\\");
    launcher_ = std::make_unique<rig::Launcher>(medium_);
    ASSERT_NO_FATAL_FAILURE(launcher_->wait_until_ready());
    client_ = rig::capture_client(launcher_->form());
    const std::wstring saved = rig::save_bmp(client_, std::wstring(test.begin(), test.end()));
    std::printf("[ rig      ] client area saved as %s\n", rig::narrow(saved).c_str());
    face_ = rig::system_colour(COLOR_BTNFACE);
    for (const layout::Placement& p : layout::kDesigned) buttons_.push_back(p.client);
  }

  void TearDown() override {
    if (launcher_) {
      EXPECT_EQ(launcher_->close(), 0u);
    }
  }

  bool on_a_button(int x, int y) const {
    return std::any_of(buttons_.begin(), buttons_.end(),
                       [&](const RECT& r) { return inside(r, x, y); });
  }

  rig::Medium medium_;
  std::unique_ptr<rig::Launcher> launcher_;
  rig::Image client_;
  std::uint32_t face_ = 0;
  std::vector<RECT> buttons_;
};

TEST_F(Surface, LabelsShowTheirTextsLikeTheirReferenceRenderings) {
  for (const Label& l : labels()) {
    SCOPED_TRACE(l.name);
    const rig::Image reference = reference_of(l);
    const RECT rect = rect_of(l);
    ASSERT_LE(rect.right, client_.width);
    ASSERT_LE(rect.bottom, client_.height);
    const rig::Image shown = client_.crop(rect);
    EXPECT_EQ(rig::count_differences(reference, shown), 0)
        << "of " << reference.width << "x" << reference.height << " pixels at " << l.at.x << ","
        << l.at.y;
  }
}

TEST_F(Surface, TheNoteHasTenLinesOfTextHeightAndNothingBelow) {
  const Label& note = label("Label6");
  const RECT rect = rect_of(note);
  for (int line = 0; line < 10; ++line) {
    SCOPED_TRACE("line " + std::to_string(line + 1));
    const RECT band{rect.left, rect.top + 15 * line, rect.right, rect.top + 15 * (line + 1)};
    const rig::Image shown = client_.crop(band);
    EXPECT_LT(count_pixels(shown, face_), shown.width * shown.height) << "no ink in the band";
  }
  // Down to where the first credentials label begins.
  const rig::Image below = client_.crop({rect.left, rect.top + 150, rect.right, 416});
  EXPECT_EQ(count_pixels(below, face_), below.width * below.height);
}

TEST_F(Surface, OnlyTheCredentialsAreRed) {
  for (const Label& l : labels()) {
    SCOPED_TRACE(l.name);
    const rig::Image shown = client_.crop(rect_of(l));
    const int red = count_reddish(shown);
    if (l.red) {
      EXPECT_GT(count_pixels(shown, kRed), 0);
      EXPECT_GT(red, shown.width * shown.height / 20) << "too little red for two lines of text";
    } else {
      EXPECT_EQ(red, 0);
    }
  }
}

TEST_F(Surface, BraceStrokesAloneArePaintedInThePictureBox) {
  const RECT label5 = rect_of(label("Label5"));
  int wrong = 0;
  for (int y = kImageBox.top; y < kImageBox.bottom; ++y) {
    for (int x = kImageBox.left; x < kImageBox.right; ++x) {
      // Buttons lie above the picture; Label5 under it is compared on its own.
      if (on_a_button(x, y) || inside(label5, x, y)) continue;
      const int column = x - kBraceAt.x;
      const int row = y - kBraceAt.y;
      const bool black =
          column < kBraceSize.cx && row < kBraceSize.cy && brace_design::is_black(column, row);
      const std::uint32_t want = black ? kBlack : face_;
      if (client_.at(x, y) != want && ++wrong <= 10) {
        ADD_FAILURE() << "at " << x << "," << y << ": " << rig::describe(client_.at(x, y))
                      << ", want " << rig::describe(want);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
  // The places the brace is drawn to meet: level with Button6 and Button8, pointing at Label5.
  EXPECT_EQ(client_.at(156, 125), kBlack) << "upper arm";
  EXPECT_EQ(client_.at(159, 125), kBlack) << "upper arm";
  EXPECT_EQ(client_.at(156, 188), kBlack) << "lower arm";
  EXPECT_EQ(client_.at(159, 188), kBlack) << "lower arm";
  EXPECT_EQ(client_.at(171, 155), kBlack) << "point, upper row";
  EXPECT_EQ(client_.at(174, 156), kBlack) << "point, lower row";
  EXPECT_NE(client_.at(174, 155), kBlack) << "the point's upper row ends at 171";
  EXPECT_NE(client_.at(175, 156), kBlack) << "the point ends two pixels before Label5";
  for (int y = 120; y < 191; ++y) EXPECT_NE(client_.at(175, y), kBlack) << "at 175," << y;
}

TEST_F(Surface, NothingIsPaintedOutsideTheControls) {
  std::vector<RECT> controls = buttons_;
  for (const Label& l : labels()) controls.push_back(rect_of(l));
  controls.push_back(
      {kBraceAt.x, kBraceAt.y, kBraceAt.x + kBraceSize.cx, kBraceAt.y + kBraceSize.cy});
  int wrong = 0;
  for (int y = 0; y < client_.height; ++y) {
    for (int x = 0; x < client_.width; ++x) {
      if (std::any_of(controls.begin(), controls.end(),
                      [&](const RECT& r) { return inside(r, x, y); })) {
        continue;
      }
      if (client_.at(x, y) != face_ && ++wrong <= 10) {
        ADD_FAILURE() << "at " << x << "," << y << ": " << rig::describe(client_.at(x, y));
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(Caption, BarShowsTheChineseCaptionInTheCaptionFont) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"caption\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  RECT bar;
  GetWindowRect(launcher.form(), &bar);
  bar.bottom = rig::client_on_screen(launcher.form()).top;
  const rig::Image shown = rig::capture_settled(bar);
  rig::save_bmp(shown, L"CaptionBar");

  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  Font font(CreateFontIndirectW(&metrics.lfCaptionFont));
  const COLORREF ink = GetSysColor(COLOR_CAPTIONTEXT);
  const COLORREF background = GetSysColor(COLOR_ACTIVECAPTION);
  const rig::Image caption = rig::render_lines({kFormCaption}, font.get(), ink, background);
  const rig::Image boxes =
      rig::render_with_missing_glyphs(kFormCaption, font.get(), ink, background);
  rig::save_bmp(caption, L"CaptionReference");
  rig::save_bmp(boxes, L"CaptionBoxes");
  ASSERT_FALSE(caption.pixels == boxes.pixels)
      << "the caption font draws boxes: no font linked to it has the Chinese glyphs";

  const POINT found = rig::find_ink(shown, caption, rig::rgb(ink));
  EXPECT_GE(found.x, 0) << "the caption bar does not show the caption as the caption font draws it";
  EXPECT_LT(rig::find_ink(shown, boxes, rig::rgb(ink)).x, 0) << "missing-glyph boxes in the bar";
  EXPECT_EQ(launcher.close(), 0u);
}

// What the expected rectangles at other densities rest on.
TEST(Density, WindowFontMeasuresItsScaledHeightInTheRig) {
  const std::map<int, int> zero_height = {{-15, 15}, {-19, 20}, {-23, 24}};
  for (const auto& [height, expected] : zero_height) {
    SCOPED_TRACE(height);
    Font font(rig::create_window_font(height));
    EXPECT_EQ(rig::text_height_of_zero(font.get()), expected);
  }
}

// How far each button stands from where it would stand unscrolled.
std::vector<POINT> scroll_offsets(const rig::Launcher& launcher,
                                  const std::vector<layout::Placement>& placements) {
  std::vector<POINT> offsets;
  for (const layout::Placement& p : placements) {
    const RECT now = layout::client_rect_of(launcher.form(), launcher.button(p.caption));
    offsets.push_back({now.left - p.client.left, now.top - p.client.top});
  }
  return offsets;
}

bool all_equal(const std::vector<POINT>& offsets) {
  return std::all_of(offsets.begin(), offsets.end(), [&](const POINT& p) {
    return p.x == offsets.front().x && p.y == offsets.front().y;
  });
}

void expect_scaled_layout(DWORD dpi, const std::vector<layout::Placement>& placements) {
  rig::Density density(dpi);
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"density\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  rig::save_bmp(rig::capture_client(launcher.form()), L"Density" + std::to_wstring(dpi));
  layout::expect_designed_outer_rect(launcher.form());
  // The form may have scrolled its focused button into view, but only as a whole.
  EXPECT_TRUE(all_equal(scroll_offsets(launcher, placements)));
  SendMessageW(launcher.form(), WM_VSCROLL, SB_TOP, 0);
  SendMessageW(launcher.form(), WM_HSCROLL, SB_LEFT, 0);
  layout::expect_buttons_at(launcher, placements);
  EXPECT_TRUE(layout::has_style(launcher.form(), WS_HSCROLL));
  EXPECT_TRUE(layout::has_style(launcher.form(), WS_VSCROLL));
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(Density, At120DotsPerInchButtonsGrowAndScrollBarsShow) {
  expect_scaled_layout(120, layout::kAt120);
}

TEST(Density, At144DotsPerInchButtonsGrowAndScrollBarsShow) {
  expect_scaled_layout(144, layout::kAt144);
}

TEST(Density, At120DotsPerInchLabelsMoveWithTheLayoutInTheirScaledFonts) {
  rig::Density density(120);
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"density\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  // Scrolled to the far corner, where the note and the credentials are all in view.
  SendMessageW(launcher.form(), WM_VSCROLL, SB_BOTTOM, 0);
  SendMessageW(launcher.form(), WM_HSCROLL, SB_RIGHT, 0);
  const std::vector<POINT> offsets = scroll_offsets(launcher, layout::kAt120);
  ASSERT_TRUE(all_equal(offsets));
  const POINT scroll = offsets.front();
  const rig::Image client = rig::capture_client(launcher.form());
  rig::save_bmp(client, L"Density120Corner");
  struct Scaled {
    const char* name;
    POINT at;  // the designed corner times 20/15
  };
  for (const Scaled& scaled : {Scaled{"Label5", {235, 203}}, Scaled{"Label6", {267, 341}},
                               Scaled{"Label4", {288, 555}}, Scaled{"Label7", {491, 560}}}) {
    SCOPED_TRACE(scaled.name);
    // The window font at 120 dots per inch is -19; the credentials' font is -15 times 20/15.
    const rig::Image reference = reference_of(label(scaled.name), -19, -20);
    const RECT rect{scaled.at.x + scroll.x, scaled.at.y + scroll.y,
                    scaled.at.x + scroll.x + reference.width,
                    scaled.at.y + scroll.y + reference.height};
    ASSERT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.width &&
                rect.bottom <= client.height)
        << "out of view at " << rect.left << "," << rect.top << " scrolled by " << scroll.x << ","
        << scroll.y;
    EXPECT_EQ(rig::count_differences(reference, client.crop(rect)), 0);
  }
  EXPECT_EQ(launcher.close(), 0u);
}

// The bottom-right sizing corner, found the way the system finds it.
POINT sizing_corner(HWND form) {
  RECT rect;
  GetWindowRect(form, &rect);
  for (int inset = 1; inset < 8; ++inset) {
    const POINT at{rect.right - inset, rect.bottom - inset};
    if (SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) == HTBOTTOMRIGHT) return at;
  }
  return {-1, -1};
}

TEST(Scrolling, ShrinkingByTheBorderBringsScrollBarsAndMovesNoButton) {
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"shrink\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  launcher.activate();
  const POINT corner = sizing_corner(launcher.form());
  ASSERT_GE(corner.x, 0) << "no sizing corner on the form";
  rig::drag(corner, {corner.x - 200, corner.y - 150});
  RECT outer;
  EXPECT_TRUE(rig::wait_until(
      [&] {
        GetWindowRect(launcher.form(), &outer);
        return outer.right - outer.left == 341 && outer.bottom - outer.top == 378;
      },
      3s))
      << "dragging the corner made the window " << outer.right - outer.left << "x"
      << outer.bottom - outer.top;
  EXPECT_EQ(outer.left, 192);
  EXPECT_EQ(outer.top, 107);
  EXPECT_TRUE(rig::wait_until(
      [&] {
        return layout::has_style(launcher.form(), WS_HSCROLL) &&
               layout::has_style(launcher.form(), WS_VSCROLL);
      },
      3s));
  layout::expect_buttons_at(launcher, layout::kDesigned);
  rig::save_bmp(rig::capture_client(launcher.form()), L"Shrunk");
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(Scrolling, TabScrollsEachFocusedButtonIntoView) {
  rig::Density density(120);
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"tabscroll\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  ASSERT_TRUE(rig::wait_until([&] { return launcher.focus() != nullptr; }, 5s));
  RECT client;
  GetClientRect(launcher.form(), &client);
  // Button9 at 553 to 640 is the proof that some button starts out of view.
  ASSERT_LT(client.bottom, 640);
  for (int i = 0; i < 8; ++i) {
    HWND before = launcher.focus();
    rig::press_key(VK_TAB);
    ASSERT_TRUE(rig::wait_until([&] { return launcher.focus() != before; }, 3s));
    HWND focused = launcher.focus();
    SCOPED_TRACE(rig::narrow(rig::window_text(focused)));
    RECT rect{};
    EXPECT_TRUE(rig::wait_until(
        [&] {
          GetClientRect(launcher.form(), &client);
          rect = layout::client_rect_of(launcher.form(), focused);
          return rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                 rect.bottom <= client.bottom;
        },
        2s))
        << "the focused button stands at " << rect.left << "," << rect.top << "-" << rect.right
        << "," << rect.bottom << " in a client area of " << client.right << "x" << client.bottom;
    const std::vector<POINT> offsets = scroll_offsets(launcher, layout::kAt120);
    EXPECT_TRUE(all_equal(offsets)) << "the buttons did not scroll together";
  }
  EXPECT_TRUE(rig::read_starts(medium.log).empty()) << "moving the focus started something";
  EXPECT_EQ(launcher.close(), 0u);
}

TEST(Scrolling, WheelNotchScrollsEveryButtonUpAlike) {
  rig::Density density(120);
  const rig::Medium medium = rig::lay_out_medium(rig::media_dir() + L"wheel\\");
  rig::Launcher launcher(medium);
  ASSERT_NO_FATAL_FAILURE(launcher.wait_until_ready());
  launcher.activate();
  ASSERT_TRUE(all_equal(scroll_offsets(launcher, layout::kAt120)));
  ASSERT_EQ(scroll_offsets(launcher, layout::kAt120).front().y, 0) << "scrolled before the wheel";
  // Over the picture, where no button is: the wheel must work wherever the pointer is on the form.
  const RECT client = rig::client_on_screen(launcher.form());
  rig::wheel({client.left + 300, client.top + 250}, 1);
  std::vector<POINT> offsets;
  EXPECT_TRUE(rig::wait_until(
      [&] { return (offsets = scroll_offsets(launcher, layout::kAt120)).front().y < 0; }, 3s))
      << "one notch did not scroll";
  EXPECT_TRUE(all_equal(offsets)) << "the buttons did not scroll alike";
  EXPECT_EQ(offsets.front().x, 0) << "the wheel scrolled sideways";
  EXPECT_EQ(launcher.close(), 0u);
}

}  // namespace
