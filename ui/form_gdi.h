// Drawing the form's painted controls with GDI: fonts, colours, labels and transparent pictures.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/bitmap.h"
#include "ui/form_definition.h"

namespace ui {

COLORREF colour_ref(Colour colour);
HFONT create_font(const Font& font);

// The height of "0" in `font` on the screen: what the layout's density rule goes by.
int measure_text_height(HFONT font);

// A label made ready for painting once: its lines as shown, where each one's access character is
// underlined, and the size the label takes: the widest line across, one text height per line
// down.
struct LabelText {
  struct Line {
    std::wstring text;
    int underline_from = 0;  // across, from the label's left; an empty span underlines nothing
    int underline_to = 0;
  };
  std::vector<Line> lines;
  HFONT font = nullptr;
  COLORREF colour = 0;
  int line_height = 0;
  int ascent = 0;
  Size size;
};
LabelText lay_out_label(std::string_view caption, HFONT font, COLORREF colour);

// Fills `box` with `background`, then draws the lines from its top-left corner, left-aligned,
// with the access character underlined.
void draw_label(HDC dc, const LabelText& label, RECT box, HBRUSH background);

// A bitmap drawn without the pixels of its transparent colour: a mask made once, then two blits.
class TransparentPicture {
 public:
  TransparentPicture() = default;
  explicit TransparentPicture(const Bitmap& bitmap);
  ~TransparentPicture();
  TransparentPicture(TransparentPicture&& other) noexcept;
  TransparentPicture& operator=(TransparentPicture&& other) noexcept;

  // Draws unstretched with its top-left corner at (x, y).
  void draw(HDC dc, int x, int y) const;

 private:
  HBITMAP image_ = nullptr;  // the picture, its transparent pixels turned black
  HBITMAP mask_ = nullptr;   // 1 where the picture is transparent
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ui
