// Screen captures through GDI, reference renderings in memory DCs, and BMP files of both.
#include "pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "rig.h"

namespace rig {

namespace {

// A top-down 32-bit DIB section selected into a memory DC: GDI draws into it and its bits are
// ours to read, whatever the screen's format.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }

  void fill(COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }

  Image image() const {
    GdiFlush();
    Image image{width_, height_, {}};
    image.pixels.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    std::memcpy(image.pixels.data(), bits_, image.pixels.size() * sizeof(std::uint32_t));
    // The unused top byte is not guaranteed to be zero after a blit.
    for (std::uint32_t& pixel : image.pixels) pixel &= 0xFFFFFF;
    return image;
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

}  // namespace

Image Image::crop(const RECT& rect) const {
  Image part{rect.right - rect.left, rect.bottom - rect.top, {}};
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) part.pixels.push_back(at(x, y));
  }
  return part;
}

std::uint32_t rgb(COLORREF colour) {
  return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

std::uint32_t system_colour(int index) { return rgb(GetSysColor(index)); }

std::string describe(std::uint32_t pixel) {
  char text[16];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(pixel));
  return text;
}

Image capture_screen(const RECT& rect) {
  Canvas canvas(rect.right - rect.left, rect.bottom - rect.top);
  HDC screen = GetDC(nullptr);
  BitBlt(canvas.dc(), 0, 0, rect.right - rect.left, rect.bottom - rect.top, screen, rect.left,
         rect.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas.image();
}

RECT client_on_screen(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

Image capture_settled(const RECT& rect) {
  Image last = capture_screen(rect);
  for (int i = 0; i < 50; ++i) {
    Sleep(100);
    Image next = capture_screen(rect);
    if (next.pixels == last.pixels) return next;
    last = std::move(next);
  }
  ADD_FAILURE() << "the screen did not stop changing within 5 s";
  return last;
}

Image capture_client(HWND window) { return capture_settled(client_on_screen(window)); }

Image render_lines(const std::vector<std::wstring>& lines, HFONT font, COLORREF text,
                   COLORREF background) {
  // Measured in a DC of its own first: the canvas must be made at its final size.
  Canvas probe(1, 1);
  HGDIOBJ old = SelectObject(probe.dc(), font);
  TEXTMETRICW metrics;
  GetTextMetricsW(probe.dc(), &metrics);
  int width = 0;
  for (const std::wstring& line : lines) {
    SIZE size{};
    GetTextExtentPoint32W(probe.dc(), line.c_str(), static_cast<int>(line.size()), &size);
    width = std::max(width, static_cast<int>(size.cx));
  }
  SelectObject(probe.dc(), old);

  Canvas canvas(std::max(width, 1), metrics.tmHeight * static_cast<int>(lines.size()));
  canvas.fill(background);
  old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TextOutW(canvas.dc(), 0, static_cast<int>(i) * metrics.tmHeight, lines[i].c_str(),
             static_cast<int>(lines[i].size()));
  }
  SelectObject(canvas.dc(), old);
  return canvas.image();
}

Image render_with_missing_glyphs(const std::wstring& line, HFONT font, COLORREF text,
                                 COLORREF background) {
  Canvas probe(1, 1);
  HGDIOBJ old = SelectObject(probe.dc(), font);
  std::vector<WORD> glyphs(line.size());
  // Glyph lookup by index sees the font alone, never the fonts linked to it.
  GetGlyphIndicesW(probe.dc(), line.c_str(), static_cast<int>(line.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  for (WORD& glyph : glyphs) {
    if (glyph == 0xFFFF) glyph = 0;  // .notdef, the box
  }
  TEXTMETRICW metrics;
  GetTextMetricsW(probe.dc(), &metrics);
  SIZE size{};
  GetTextExtentPointI(probe.dc(), glyphs.data(), static_cast<int>(glyphs.size()), &size);
  SelectObject(probe.dc(), old);

  Canvas canvas(std::max(static_cast<int>(size.cx), 1), metrics.tmHeight);
  canvas.fill(background);
  old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), text);
  ExtTextOutW(canvas.dc(), 0, 0, ETO_GLYPH_INDEX, nullptr,
              reinterpret_cast<const wchar_t*>(glyphs.data()), static_cast<UINT>(glyphs.size()),
              nullptr);
  SelectObject(canvas.dc(), old);
  return canvas.image();
}

std::wstring save_bmp(const Image& image, const std::wstring& name) {
  const std::wstring folder = rig_dir() + L"\\captures";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring path = folder + L"\\" + name + L".bmp";
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = image.width;
  info.biHeight = -image.height;
  info.biPlanes = 1;
  info.biBitCount = 32;
  info.biCompression = BI_RGB;
  const DWORD bits = static_cast<DWORD>(image.pixels.size() * sizeof(std::uint32_t));
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + bits;
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot write " << narrow(path);
    return path;
  }
  DWORD written = 0;
  WriteFile(handle, &file, sizeof file, &written, nullptr);
  WriteFile(handle, &info, sizeof info, &written, nullptr);
  WriteFile(handle, image.pixels.data(), bits, &written, nullptr);
  CloseHandle(handle);
  return path;
}

POINT find_ink(const Image& haystack, const Image& needle, std::uint32_t ink) {
  for (int top = 0; top + needle.height <= haystack.height; ++top) {
    for (int left = 0; left + needle.width <= haystack.width; ++left) {
      bool same = true;
      for (int y = 0; same && y < needle.height; ++y) {
        for (int x = 0; x < needle.width; ++x) {
          if ((needle.at(x, y) == ink) != (haystack.at(left + x, top + y) == ink)) {
            same = false;
            break;
          }
        }
      }
      if (same) return {left, top};
    }
  }
  return {-1, -1};
}

int count_differences(const Image& a, const Image& b, int left, int top) {
  int differences = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const int bx = left + x;
      const int by = top + y;
      if (bx < 0 || by < 0 || bx >= b.width || by >= b.height || a.at(x, y) != b.at(bx, by)) {
        ++differences;
      }
    }
  }
  return differences;
}

HFONT create_window_font(int height) {
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     L"宋体");
}

int text_height_of_zero(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, L"0", 1, &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cy;
}

}  // namespace rig
