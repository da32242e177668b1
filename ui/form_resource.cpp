// Writes a form into one block of bytes, and reads it back.
#include "ui/form_resource.h"

#include <cstdint>
#include <type_traits>

#include "app/failure.h"

namespace ui {

namespace {

// The first bytes of a stored form; a different layout gets a different mark.
constexpr std::string_view kMark = "Form\x01";

// Numbers are four bytes, least significant first; texts are a number (their length) and their
// bytes; an optional value is a flag byte and the value.
struct Writer {
  std::string bytes;

  void number(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift);
  }
  void field(const std::string& text) {
    number(static_cast<std::uint32_t>(text.size()));
    bytes += text;
  }
  void field(int value) { number(static_cast<std::uint32_t>(value)); }
  void field(unsigned value) { number(value); }
  void field(bool value) { bytes += static_cast<char>(value); }
  template <class T, class Each>
  void optional(const std::optional<T>& value, Each each) {
    field(value.has_value());
    if (value) each(*value);
  }
  template <class Enum>
  requires std::is_enum_v<Enum>
  void field(Enum value) { number(static_cast<std::uint32_t>(value)); }
};

struct Reader {
  std::string_view rest;

  [[noreturn]] static void damaged() { app::fail("The stored form is damaged"); }

  std::string_view take(std::size_t size) {
    if (rest.size() < size) damaged();
    const std::string_view taken = rest.substr(0, size);
    rest.remove_prefix(size);
    return taken;
  }
  std::uint32_t number() {
    const std::string_view bytes = take(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
  }
  void field(std::string& text) { text = take(number()); }
  void field(int& value) { value = static_cast<int>(number()); }
  void field(unsigned& value) { value = number(); }
  void field(bool& value) {
    const char flag = take(1)[0];
    if (flag != 0 && flag != 1) damaged();
    value = flag == 1;
  }
  template <class Enum>
  requires std::is_enum_v<Enum>
  void field(Enum& value) { value = static_cast<Enum>(number()); }
  template <class T, class Each>
  void optional(std::optional<T>& value, Each each) {
    bool present = false;
    field(present);
    if (present) each(value.emplace());
  }
};

// One list of fields for both directions, so that writing and reading cannot drift apart.
template <class Stream, class T>
void fields(Stream& stream, T& rect) requires std::is_same_v<std::remove_const_t<T>, Rect> {
  stream.field(rect.left);
  stream.field(rect.top);
  stream.field(rect.width);
  stream.field(rect.height);
}

template <class Stream, class T>
void fields(Stream& stream, T& colour) requires std::is_same_v<std::remove_const_t<T>, Colour> {
  stream.field(colour.system);
  stream.field(colour.value);
}

template <class Stream, class T>
void fields(Stream& stream, T& font) requires std::is_same_v<std::remove_const_t<T>, Font> {
  stream.field(font.name);
  stream.field(font.charset);
  stream.field(font.height);
  fields(stream, font.colour);
  stream.field(font.style);
}

template <class Stream, class T>
void fields(Stream& stream, T& control) requires std::is_same_v<std::remove_const_t<T>, Control> {
  stream.field(control.name);
  stream.field(control.kind);
  fields(stream, control.bounds);
  stream.optional(control.tab_order, [&](auto& order) { stream.field(order); });
  stream.field(control.caption);
  stream.optional(control.font, [&](auto& font) { fields(stream, font); });
  stream.field(control.on_click);
  stream.field(control.picture);
  stream.field(control.picture_data);
  stream.field(control.transparent);
}

template <class Stream, class T>
void form_fields(Stream& stream, T& form) {
  stream.field(form.name);
  stream.field(form.class_name);
  fields(stream, form.bounds);
  stream.field(form.caption);
  fields(stream, form.colour);
  fields(stream, form.font);
  stream.field(form.pixels_per_inch);
  stream.field(form.text_height);
  stream.field(form.auto_scroll);
  stream.field(form.border_style);
  stream.field(form.border_icons);
}

}  // namespace

std::string store_form(const Form& form) {
  Writer writer;
  writer.bytes = kMark;
  form_fields(writer, form);
  writer.number(static_cast<std::uint32_t>(form.controls.size()));
  for (const Control& control : form.controls) fields(writer, control);
  return std::move(writer.bytes);
}

Form load_form(std::string_view stored) {
  Reader reader{stored};
  if (reader.take(kMark.size()) != kMark) Reader::damaged();
  Form form;
  form_fields(reader, form);
  const std::uint32_t count = reader.number();
  // Each control takes more than one byte, so a damaged count cannot ask for a huge vector.
  if (count > reader.rest.size()) Reader::damaged();
  form.controls.resize(count);
  bool valid = static_cast<unsigned>(form.border_style) <= unsigned(BorderStyle::kSingle) &&
               // The density rule divides by both.
               form.pixels_per_inch > 0 && form.text_height > 0;
  for (Control& control : form.controls) {
    fields(reader, control);
    valid = valid && static_cast<unsigned>(control.kind) <= unsigned(ControlKind::kImage);
  }
  if (!valid || !reader.rest.empty()) Reader::damaged();
  return form;
}

}  // namespace ui
