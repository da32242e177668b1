// Reads a form definition: one "object Name: Class" block per object, "Property = value" lines.
#include "ui/form_definition.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace ui {

namespace {

struct Value {
  enum class Kind { kNumber, kIdentifier, kString, kSet, kLines } kind;
  int number = 0;
  std::string text;                // identifier or string
  std::vector<std::string> items;  // set members or lines
};

std::string_view trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool is_identifier(std::string_view text) {
  if (text.empty()) return false;
  const auto letter = [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
  };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!letter(text.front())) return false;
  return std::all_of(text.begin(), text.end(), [&](char c) { return letter(c) || digit(c); });
}

// A quoted string that makes up the whole of `text`; '' stands for one quote.
std::optional<std::string> parse_string(std::string_view text) {
  if (text.size() < 2 || text.front() != '\'' || text.back() != '\'') return std::nullopt;
  std::string result;
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '\'') {
      if (i + 2 >= text.size() || text[i + 1] != '\'') return std::nullopt;
      ++i;
    }
    result += text[i];
  }
  return result;
}

std::optional<int> parse_number(std::string_view text) {
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end) return std::nullopt;
  return number;
}

std::optional<std::vector<std::string>> parse_set(std::string_view text) {
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  std::vector<std::string> members;
  std::string_view rest = trim(text.substr(1, text.size() - 2));
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view member = trim(rest.substr(0, comma));
    if (!is_identifier(member)) return std::nullopt;
    members.emplace_back(member);
    if (comma == std::string_view::npos) break;
    rest = trim(rest.substr(comma + 1));
    if (rest.empty()) return std::nullopt;
  }
  return members;
}

struct Lookup {
  std::string_view name;
  int value;
};

constexpr Lookup kColours[] = {
    {"clBtnFace", static_cast<int>(0x80000000u | kColorBtnFace)},
    {"clWindowText", static_cast<int>(0x80000000u | kColorWindowText)},
    {"clWindow", static_cast<int>(0x80000000u | 5)},
    {"clBlack", 0x000000},
    {"clWhite", 0xFFFFFF},
    {"clRed", 0x0000FF},
    {"clGreen", 0x008000},
    {"clBlue", 0xFF0000},
    {"clNavy", 0x800000},
    {"clMaroon", 0x000080},
};
constexpr Lookup kCharsets[] = {
    {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},    {"GB2312_CHARSET", 134},
    {"CHINESEBIG5_CHARSET", 136}, {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
};
constexpr Lookup kFontStyles[] = {
    {"fsBold", kBold},
    {"fsItalic", kItalic},
    {"fsUnderline", kUnderline},
    {"fsStrikeOut", kStrikeOut},
};
constexpr Lookup kBorderIcons[] = {
    {"biSystemMenu", kSystemMenu},
    {"biMinimize", kMinimize},
    {"biMaximize", kMaximize},
};
constexpr Lookup kBorderStyles[] = {
    {"bsSizeable", static_cast<int>(BorderStyle::kSizeable)},
    {"bsSingle", static_cast<int>(BorderStyle::kSingle)},
};
constexpr Lookup kBooleans[] = {{"False", 0}, {"True", 1}};

// Everything one property line needs to know to take its value.
struct Context {
  Form& form;
  Control* control;  // null for the form's own properties
  const Value& value;
  int line;
  std::string_view property;

  [[noreturn]] void fail(const std::string& message) const {
    throw FormError(line, std::string(property) + ": " + message);
  }
  void expect(Value::Kind kind, const char* what) const {
    if (value.kind != kind) fail(std::string("expected ") + what);
  }
  int number() const {
    expect(Value::Kind::kNumber, "a whole number");
    return value.number;
  }
  const std::string& string() const {
    expect(Value::Kind::kString, "a quoted text");
    return value.text;
  }
  template <std::size_t N>
  int named(const Lookup (&table)[N], std::string_view name) const {
    for (const Lookup& entry : table) {
      if (entry.name == name) return entry.value;
    }
    fail("unknown value '" + std::string(name) + "'");
  }
  template <std::size_t N>
  int one_of(const Lookup (&table)[N]) const {
    expect(Value::Kind::kIdentifier, "a name");
    return named(table, value.text);
  }
  template <std::size_t N>
  unsigned set_of(const Lookup (&table)[N]) const {
    expect(Value::Kind::kSet, "a set in [ ]");
    unsigned bits = 0;
    for (const std::string& member : value.items)
      bits |= static_cast<unsigned>(named(table, member));
    return bits;
  }
  Colour colour() const {
    const auto bits = static_cast<std::uint32_t>(one_of(kColours));
    if (bits & 0x80000000u) return {true, bits & 0xFFu};
    return {false, bits};
  }
  Rect& bounds() const { return control ? control->bounds : form.bounds; }
  // A control's own font starts as a copy of the form's.
  Font& font() const {
    if (!control) return form.font;
    if (!control->font) control->font = form.font;
    return *control->font;
  }
};

constexpr unsigned kOnForm = 1, kOnButton = 2, kOnLabel = 4, kOnImage = 8;
constexpr unsigned kOnControl = kOnButton | kOnLabel | kOnImage;

struct Property {
  std::string_view name;
  unsigned applies_to;
  void (*apply)(const Context&);
};

constexpr Property kProperties[] = {
    {"Left", kOnForm | kOnControl, [](const Context& c) { c.bounds().left = c.number(); }},
    {"Top", kOnForm | kOnControl, [](const Context& c) { c.bounds().top = c.number(); }},
    {"Width", kOnForm | kOnControl, [](const Context& c) { c.bounds().width = c.number(); }},
    {"Height", kOnForm | kOnControl, [](const Context& c) { c.bounds().height = c.number(); }},
    {"Caption", kOnForm | kOnButton,
     [](const Context& c) { (c.control ? c.control->caption : c.form.caption) = c.string(); }},
    {"Caption", kOnLabel,
     [](const Context& c) {
       if (c.value.kind != Value::Kind::kLines) {
         c.control->caption = c.string();
         return;
       }
       std::string joined;
       for (const std::string& line : c.value.items) joined += (joined.empty() ? "" : "\n") + line;
       c.control->caption = joined;
     }},
    {"Color", kOnForm, [](const Context& c) { c.form.colour = c.colour(); }},
    {"Font.Name", kOnForm | kOnLabel, [](const Context& c) { c.font().name = c.string(); }},
    {"Font.Charset", kOnForm | kOnLabel,
     [](const Context& c) { c.font().charset = c.one_of(kCharsets); }},
    {"Font.Height", kOnForm | kOnLabel, [](const Context& c) { c.font().height = c.number(); }},
    {"Font.Color", kOnForm | kOnLabel, [](const Context& c) { c.font().colour = c.colour(); }},
    {"Font.Style", kOnForm | kOnLabel,
     [](const Context& c) { c.font().style = c.set_of(kFontStyles); }},
    {"PixelsPerInch", kOnForm,
     [](const Context& c) {
       c.form.pixels_per_inch = c.number();
       if (c.form.pixels_per_inch <= 0) c.fail("must be positive");
     }},
    {"TextHeight", kOnForm,
     [](const Context& c) {
       c.form.text_height = c.number();
       if (c.form.text_height <= 0) c.fail("must be positive");
     }},
    {"AutoScroll", kOnForm, [](const Context& c) { c.form.auto_scroll = c.one_of(kBooleans); }},
    {"BorderStyle", kOnForm,
     [](const Context& c) { c.form.border_style = BorderStyle(c.one_of(kBorderStyles)); }},
    {"BorderIcons", kOnForm,
     [](const Context& c) { c.form.border_icons = c.set_of(kBorderIcons); }},
    {"TabOrder", kOnButton,
     [](const Context& c) {
       c.control->tab_order = c.number();
       if (*c.control->tab_order < 0) c.fail("must not be negative");
     }},
    {"OnClick", kOnButton,
     [](const Context& c) {
       c.expect(Value::Kind::kIdentifier, "a handler name");
       c.control->on_click = c.value.text;
     }},
    {"Picture", kOnImage, [](const Context& c) { c.control->picture = c.string(); }},
    {"Transparent", kOnImage,
     [](const Context& c) { c.control->transparent = c.one_of(kBooleans); }},
};

struct ControlClass {
  std::string_view name;
  ControlKind kind;
  unsigned mask;
};

constexpr ControlClass kControlClasses[] = {
    {"TButton", ControlKind::kButton, kOnButton},
    {"TLabel", ControlKind::kLabel, kOnLabel},
    {"TImage", ControlKind::kImage, kOnImage},
};

unsigned mask_of(ControlKind kind) {
  for (const ControlClass& c : kControlClasses) {
    if (c.kind == kind) return c.mask;
  }
  return 0;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Form parse() {
    while (next_line()) {
      if (line_.empty() || line_.front() == '#') continue;
      if (finished_) fail("text after the form's closing 'end'");
      if (line_ == "end") {
        end_object();
      } else if (line_.starts_with("object ") || line_ == "object") {
        begin_object();
      } else {
        property();
      }
    }
    if (form_.name.empty()) fail("no 'object Name: Class' in the text");
    if (!finished_) fail("missing 'end'");
    return std::move(form_);
  }

 private:
  [[noreturn]] void fail(const std::string& message) const {
    throw FormError(line_number_, message);
  }

  bool next_line() {
    if (position_ > text_.size()) return false;
    const std::size_t stop = text_.find('\n', position_);
    const std::size_t end = stop == std::string_view::npos ? text_.size() : stop;
    line_ = trim(text_.substr(position_, end - position_));
    position_ = end + 1;
    ++line_number_;
    return true;
  }

  void begin_object() {
    const std::string_view header = trim(line_.substr(6));
    const std::size_t colon = header.find(':');
    if (colon == std::string_view::npos) fail("expected 'object Name: Class'");
    const std::string_view name = trim(header.substr(0, colon));
    const std::string_view class_name = trim(header.substr(colon + 1));
    if (!is_identifier(name) || !is_identifier(class_name)) fail("expected 'object Name: Class'");
    if (depth_ == 0) {
      form_.name = name;
      form_.class_name = class_name;
      form_.line = line_number_;
    } else if (depth_ == 1) {
      const auto known = std::find_if(std::begin(kControlClasses), std::end(kControlClasses),
                                      [&](const ControlClass& c) { return c.name == class_name; });
      if (known == std::end(kControlClasses)) fail("unknown class " + std::string(class_name));
      if (form_.find(name) || name == form_.name)
        fail("a second object named " + std::string(name));
      Control control;
      control.name = name;
      control.kind = known->kind;
      control.line = line_number_;
      form_.controls.push_back(std::move(control));
    } else {
      fail("a " + std::string(class_name) + " cannot hold other objects");
    }
    ++depth_;
    seen().clear();
  }

  void end_object() {
    if (depth_ == 0) fail("'end' without 'object'");
    require_bounds();
    --depth_;
    if (depth_ == 0) finished_ = true;
  }

  // Reported at the object's first line, where the missing property belongs.
  void require_bounds() const {
    const bool control = depth_ == 2;
    for (const char* name : {"Left", "Top", "Width", "Height"}) {
      if (!seen_[depth_ - 1].contains(name)) {
        if (control) {
          throw FormError(form_.controls.back().line,
                          form_.controls.back().name + " has no " + name);
        }
        throw FormError(form_.line, form_.name + " has no " + name);
      }
    }
  }

  void property() {
    if (depth_ == 0) fail("expected 'object Name: Class'");
    const std::size_t equals = line_.find('=');
    if (equals == std::string_view::npos) fail("expected 'Property = value'");
    const std::string name(trim(line_.substr(0, equals)));
    const std::string_view text = trim(line_.substr(equals + 1));
    Control* control = depth_ == 2 ? &form_.controls.back() : nullptr;
    if (!control && !form_.controls.empty()) fail("the form's properties come before its controls");
    const unsigned mask = control ? mask_of(control->kind) : kOnForm;
    const Property* found = nullptr;
    for (const Property& p : kProperties) {
      if (p.name == name && (p.applies_to & mask)) found = &p;
    }
    const std::string owner = control ? control->name : form_.name;
    if (!found) fail("unknown property " + name + " of " + owner);
    if (!seen().insert(name).second) fail(owner + "." + name + " is given twice");
    const int line = line_number_;
    if (control) control->property_lines.emplace_back(name, line);
    const Value value = parse_value(text);
    found->apply(Context{form_, control, value, line, name});
  }

  Value parse_value(std::string_view text) {
    if (text == "(") return parse_lines();
    if (text.starts_with('\'')) {
      if (auto string = parse_string(text)) return {Value::Kind::kString, 0, *string, {}};
      fail("a text must be quoted as 'text', with '' for a quote");
    }
    if (text.starts_with('[')) {
      if (auto set = parse_set(text)) return {Value::Kind::kSet, 0, {}, *set};
      fail("expected a set of names in [ ]");
    }
    if (auto number = parse_number(text)) return {Value::Kind::kNumber, *number, {}, {}};
    if (is_identifier(text)) return {Value::Kind::kIdentifier, 0, std::string(text), {}};
    fail("cannot read the value '" + std::string(text) + "'");
  }

  // Quoted lines, one per line of the definition, up to a line holding ")".
  Value parse_lines() {
    Value value{Value::Kind::kLines, 0, {}, {}};
    while (next_line()) {
      if (line_ == ")") return value;
      if (line_.empty()) continue;
      auto string = parse_string(line_);
      if (!string) fail("expected a quoted line or ')'");
      value.items.push_back(std::move(*string));
    }
    fail("missing ')'");
  }

  std::string_view text_;
  std::size_t position_ = 0;
  std::string_view line_;
  int line_number_ = 0;
  int depth_ = 0;
  bool finished_ = false;
  // The properties given so far, of the form and of the control being read.
  std::set<std::string> seen_[2];
  std::set<std::string>& seen() { return seen_[depth_ - 1]; }
  Form form_;
};

}  // namespace

Form parse_form(std::string_view text) { return Parser(text).parse(); }

}  // namespace ui
