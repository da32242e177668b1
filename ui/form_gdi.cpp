// GDI side of the form's painted controls, kept to calls that Windows 2000 already has.
#include "ui/form_gdi.h"

#include <algorithm>
#include <utility>

#include "app/failure.h"
#include "app/win32_text.h"
#include "ui/label_text.h"

namespace ui {

namespace {

SIZE text_extent(HDC dc, std::string_view utf8) {
  const std::wstring text = app::wide_text(utf8, CP_UTF8);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// A memory device context holding `bitmap` for as long as it lives.
class SelectedBitmap {
 public:
  SelectedBitmap(HDC like, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(like)), old_(SelectObject(dc_, bitmap)) {}
  ~SelectedBitmap() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  SelectedBitmap(const SelectedBitmap&) = delete;
  SelectedBitmap& operator=(const SelectedBitmap&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

COLORREF colour_ref(Colour colour) {
  return colour.system ? GetSysColor(static_cast<int>(colour.value))
                       : static_cast<COLORREF>(colour.value);
}

HFONT create_font(const Font& font) {
  const std::wstring name = app::wide_text(font.name, CP_UTF8);
  HFONT handle = CreateFontW(font.height, 0, 0, 0, (font.style & kBold) ? FW_BOLD : FW_NORMAL,
                             (font.style & kItalic) != 0, (font.style & kUnderline) != 0,
                             (font.style & kStrikeOut) != 0, static_cast<BYTE>(font.charset),
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, name.c_str());
  if (!handle) app::fail("The font " + font.name + " could not be made");
  return handle;
}

int measure_text_height(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  const SIZE size = text_extent(screen, "0");
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cy;
}

LabelText lay_out_label(std::string_view caption, HFONT font, COLORREF colour) {
  LabelText label{{}, font, colour, 0, 0, {}};
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  label.line_height = metrics.tmHeight;
  label.ascent = metrics.tmAscent;
  for (const LabelLine& shown : label_lines(caption)) {
    LabelText::Line line{app::wide_text(shown.text, CP_UTF8)};
    if (shown.access != std::string::npos) {
      const std::string_view text(shown.text);
      line.underline_from = text_extent(screen, text.substr(0, shown.access)).cx;
      line.underline_to =
          text_extent(screen, text.substr(0, shown.access + shown.access_length)).cx;
    }
    label.size.width =
        std::max(label.size.width, static_cast<int>(text_extent(screen, shown.text).cx));
    label.lines.push_back(std::move(line));
  }
  label.size.height = label.line_height * static_cast<int>(label.lines.size());
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return label;
}

void draw_label(HDC dc, const LabelText& label, RECT box, HBRUSH background) {
  FillRect(dc, &box, background);
  HGDIOBJ old_font = SelectObject(dc, label.font);
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_colour = SetTextColor(dc, label.colour);
  int y = box.top;
  for (const LabelText::Line& line : label.lines) {
    TextOutW(dc, box.left, y, line.text.c_str(), static_cast<int>(line.text.size()));
    if (line.underline_to > line.underline_from) {
      const RECT underline{box.left + line.underline_from, y + label.ascent + 1,
                           box.left + line.underline_to, y + label.ascent + 2};
      HBRUSH ink = CreateSolidBrush(label.colour);
      FillRect(dc, &underline, ink);
      DeleteObject(ink);
    }
    y += label.line_height;
  }
  SetTextColor(dc, old_colour);
  SetBkMode(dc, old_mode);
  SelectObject(dc, old_font);
}

TransparentPicture::TransparentPicture(const Bitmap& bitmap)
    : width_(bitmap.width), height_(bitmap.height) {
  HDC screen = GetDC(nullptr);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bitmap.bytes.data() + bitmap.info_offset);
  image_ = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT,
                          bitmap.bytes.data() + bitmap.bits_offset, info, DIB_RGB_COLORS);
  mask_ = CreateBitmap(width_, height_, 1, 1, nullptr);
  ReleaseDC(nullptr, screen);
  if (!image_ || !mask_) app::fail("A picture could not be made");

  const std::uint32_t t = bitmap.transparent_colour();
  const COLORREF transparent = RGB(t >> 16, (t >> 8) & 0xFF, t & 0xFF);
  SelectedBitmap image(nullptr, image_), mask(nullptr, mask_);
  // Copying colour to monochrome gives 1 where a pixel has the background colour.
  SetBkColor(image.dc(), transparent);
  BitBlt(mask.dc(), 0, 0, width_, height_, image.dc(), 0, 0, SRCCOPY);
  // Monochrome to colour gives the background colour (black) for 1 and the text colour (white)
  // for 0: ANDed, the transparent pixels turn black and the others stay.
  SetBkColor(image.dc(), RGB(0, 0, 0));
  SetTextColor(image.dc(), RGB(255, 255, 255));
  BitBlt(image.dc(), 0, 0, width_, height_, mask.dc(), 0, 0, SRCAND);
}

TransparentPicture::~TransparentPicture() {
  if (image_) DeleteObject(image_);
  if (mask_) DeleteObject(mask_);
}

TransparentPicture::TransparentPicture(TransparentPicture&& other) noexcept
    : image_(std::exchange(other.image_, nullptr)),
      mask_(std::exchange(other.mask_, nullptr)),
      width_(other.width_),
      height_(other.height_) {}

TransparentPicture& TransparentPicture::operator=(TransparentPicture&& other) noexcept {
  std::swap(image_, other.image_);
  std::swap(mask_, other.mask_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  return *this;
}

void TransparentPicture::draw(HDC dc, int x, int y) const {
  if (!image_) return;
  SelectedBitmap image(dc, image_), mask(dc, mask_);
  // The mask clears the picture's own pixels and keeps the rest; OR then puts the picture in.
  const COLORREF old_background = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF old_text = SetTextColor(dc, RGB(0, 0, 0));
  BitBlt(dc, x, y, width_, height_, mask.dc(), 0, 0, SRCAND);
  BitBlt(dc, x, y, width_, height_, image.dc(), 0, 0, SRCPAINT);
  SetTextColor(dc, old_text);
  SetBkColor(dc, old_background);
}

}  // namespace ui
