// A form and its controls as the form definition describes them: plain data, no Windows types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/failure.h"

namespace ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Either one of the system's colours (a COLOR_ index, so it follows the user's scheme) or a
// fixed red-green-blue value, laid out as 0x00BBGGRR.
struct Colour {
  bool system = false;
  std::uint32_t value = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr std::uint32_t kColorWindowText = 8;
inline constexpr std::uint32_t kColorBtnFace = 15;

enum FontStyle : unsigned { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

struct Font {
  std::string name;  // UTF-8
  int charset = 1;   // DEFAULT_CHARSET
  int height = 0;    // negative: character height in pixels, internal leading not counted
  Colour colour{true, kColorWindowText};
  unsigned style = 0;  // FontStyle bits
  friend bool operator==(const Font&, const Font&) = default;
};

enum class ControlKind { kButton, kLabel, kImage };

struct Control {
  std::string name;
  ControlKind kind = ControlKind::kLabel;
  int line = 0;  // where the definition starts the control, for messages
  Rect bounds;
  std::optional<int> tab_order;
  std::string caption;       // UTF-8; lines separated by "\n"
  std::optional<Font> font;  // a font of its own; otherwise the form's
  std::string on_click;      // handler name
  std::string picture;       // file name of the picture, as the definition gives it
  std::string picture_data;  // the picture's bytes, once attached
  bool transparent = false;
  std::vector<std::pair<std::string, int>> property_lines;

  // The line that gives `property`, or the control's first line when none does.
  int line_of(std::string_view property) const;
  friend bool operator==(const Control&, const Control&) = default;
};

enum class BorderStyle { kSizeable, kSingle };

enum BorderIcon : unsigned { kSystemMenu = 1, kMinimize = 2, kMaximize = 4 };

struct Form {
  std::string name;
  std::string class_name;
  int line = 0;  // where the definition starts the form
  Rect bounds;   // outer rectangle in screen pixels, frame and caption included
  std::string caption;
  Colour colour{true, kColorBtnFace};
  Font font;
  int pixels_per_inch = 96;  // the density the layout was made for
  int text_height = 15;      // the height of "0" in the form's font at that density
  bool auto_scroll = false;
  BorderStyle border_style = BorderStyle::kSizeable;
  unsigned border_icons = kSystemMenu | kMinimize | kMaximize;
  std::vector<Control> controls;  // in creation order

  const Control* find(std::string_view control) const;
  friend bool operator==(const Form&, const Form&) = default;
};

// A definition that cannot be used, with the line (from 1) that shows it.
class FormError : public app::Failure {
 public:
  FormError(int line, const std::string& message)
      : app::Failure("line " + std::to_string(line) + ": " + message),
        line_(line),
        message_(message) {}
  int line() const { return line_; }
  const std::string& message() const { return message_; }

 private:
  int line_;
  std::string message_;
};

// Reads a definition (UTF-8 text). Throws FormError for text that is not one, for an unknown
// class or property, a property given twice and for a control missing its place or size.
Form parse_form(std::string_view text);

}  // namespace ui
