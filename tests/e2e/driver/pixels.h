// Pixels on the screen and reference renderings to hold them against, and BMP files to look at.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rig {

// 32-bit pixels, top row first, as 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
  Image crop(const RECT& rect) const;
};

std::uint32_t rgb(COLORREF colour);
std::uint32_t system_colour(int index);  // GetSysColor as a pixel
std::string describe(std::uint32_t pixel);

// What the screen shows in `rect` (screen coordinates).
Image capture_screen(const RECT& rect);
// What the screen shows in `rect` once two captures a moment apart agree: a window just shown
// may still be painting, or its drawing may not have reached the screen yet.
Image capture_settled(const RECT& rect);
Image capture_client(HWND window);  // its client area, settled
// The window's client rectangle in screen coordinates.
RECT client_on_screen(HWND window);

// Lines of text drawn the way a label draws them: each from the left edge, one text height below
// the last, on `background`, in an image as wide as the widest line.
Image render_lines(const std::vector<std::wstring>& lines, HFONT font, COLORREF text,
                   COLORREF background);
// One line drawn with the font's missing-glyph box in place of every character it lacks.
Image render_with_missing_glyphs(const std::wstring& line, HFONT font, COLORREF text,
                                 COLORREF background);

// For looking at: written to RIG_DIR\captures\NAME.bmp; returns the path.
std::wstring save_bmp(const Image& image, const std::wstring& name);

// The first place (left, top) in `haystack` where the pixels of colour `ink` are exactly those
// of `needle`, or {-1, -1}.
POINT find_ink(const Image& haystack, const Image& needle, std::uint32_t ink);
// Pixels that differ between `a` and the same-sized part of `b` at (x, y).
int count_differences(const Image& a, const Image& b, int x = 0, int y = 0);

// 宋体 in the Chinese simplified character set: the window font the layout is designed for.
HFONT create_window_font(int height);
// The height of "0" in `font`, measured on the screen.
int text_height_of_zero(HFONT font);

}  // namespace rig
