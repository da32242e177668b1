// Form1: made from the TFORM1 definition, painted, scrolled, and the buttons' click handlers.
#include "ui/Unit1.h"

#include "app/application.h"
#include "app/error_text.h"
#include "app/failure.h"
#include "app/win32_text.h"
#include "launch/actions.h"
#include "launch/launcher.h"
#include "ui/density.h"
#include "ui/form_resource.h"
#include "ui/scrolling.h"
#include "ui/tab_order.h"

namespace {

constexpr wchar_t kFormClass[] = L"TForm1";

struct HandlerEntry {
  std::string_view name;
  void (TForm1::*method)(TObject*);
};

constexpr HandlerEntry kHandlers[] = {
    {"Button1Click", &TForm1::Button1Click}, {"Button2Click", &TForm1::Button2Click},
    {"Button4Click", &TForm1::Button4Click}, {"Button5Click", &TForm1::Button5Click},
    {"Button6Click", &TForm1::Button6Click}, {"Button7Click", &TForm1::Button7Click},
    {"Button8Click", &TForm1::Button8Click}, {"Button9Click", &TForm1::Button9Click},
};

// The build checks the definition's handlers against the launch actions; this keeps the
// actions' handlers and the form's methods in step.
constexpr bool every_action_has_its_handler() {
  for (const launch::LaunchAction& action : launch::kLaunchActions) {
    bool found = false;
    for (const HandlerEntry& entry : kHandlers) found = found || entry.name == action.handler;
    if (!found) return false;
  }
  return true;
}
static_assert(every_action_has_its_handler());

auto handler_named(std::string_view name) {
  for (const HandlerEntry& entry : kHandlers) {
    if (entry.name == name) return entry.method;
  }
  app::fail("No handler " + std::string(name));
}

// Control identifiers start at 1, in creation order.
constexpr int kFirstControlId = 1;

std::string_view form_resource(HINSTANCE instance) {
  HRSRC found = FindResourceW(instance, L"TFORM1", MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) app::fail("The form definition TFORM1 is missing");
  return {static_cast<const char*>(bytes), SizeofResource(instance, found)};
}

DWORD window_style(const ui::Form& form) {
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  style |= form.border_style == ui::BorderStyle::kSizeable ? WS_THICKFRAME : WS_BORDER;
  if (form.border_icons & ui::kSystemMenu) style |= WS_SYSMENU;
  if (form.border_icons & ui::kMinimize) style |= WS_MINIMIZEBOX;
  if (form.border_icons & ui::kMaximize) style |= WS_MAXIMIZEBOX;
  return style;
}

}  // namespace

void TForm1::Button1Click(TObject*) { launch::click("Button1", platform_); }
void TForm1::Button2Click(TObject*) { launch::click("Button2", platform_); }
void TForm1::Button4Click(TObject*) { launch::click("Button4", platform_); }
void TForm1::Button5Click(TObject*) { launch::click("Button5", platform_); }
void TForm1::Button6Click(TObject*) { launch::click("Button6", platform_); }
void TForm1::Button7Click(TObject*) { launch::click("Button7", platform_); }
void TForm1::Button8Click(TObject*) { launch::click("Button8", platform_); }
void TForm1::Button9Click(TObject*) { launch::click("Button9", platform_); }

TForm1::TForm1(TApplication& application, launch::Platform& platform)
    : application_(application),
      platform_(platform),
      form_(ui::load_form(form_resource(application.Instance()))) {
  if (form_.class_name != "TForm1") app::fail("TFORM1 is not a TForm1");
  PrepareControls();

  if (form_.colour.system) {
    background_ = GetSysColorBrush(static_cast<int>(form_.colour.value));
  } else {
    background_ = CreateSolidBrush(ui::colour_ref(form_.colour));
    own_background_ = true;
  }
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = application.Instance();
  window_class.hIcon = application.Icon();
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = background_;
  window_class.lpszClassName = kFormClass;
  RegisterClassW(&window_class);

  const ui::Rect& bounds = form_.bounds;
  // Owned by the application's window, so the task bar lists the title, not this caption.
  CreateWindowExW(0, kFormClass, app::wide_text(form_.caption, CP_UTF8).c_str(),
                  window_style(form_), bounds.left, bounds.top, bounds.width, bounds.height,
                  application.Handle(), nullptr, application.Instance(), this);
  if (!handle_) app::fail("The main window could not be created");
  CreateButtons();
  UpdateScrollBars();
}

TForm1::~TForm1() {
  if (handle_) DestroyWindow(handle_);
  for (HFONT font : own_fonts_) DeleteObject(font);
  if (font_) DeleteObject(font_);
  if (own_background_) DeleteObject(background_);
}

// The fonts for this screen's density, the controls scaled to them, the labels sized to their
// text and the pictures made: everything the window needs before it exists.
void TForm1::PrepareControls() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ui::fit_font_to_density(form_, dpi);
  font_ = ui::create_font(form_.font);
  const int text_height = ui::measure_text_height(font_);
  ui::scale_controls(form_, text_height);
  scroll_line_ = text_height;

  for (ui::Control& control : form_.controls) {
    switch (control.kind) {
      case ui::ControlKind::kButton: {
        Button button;
        button.control.Name = control.name;
        button.handler = handler_named(control.on_click);
        button.bounds = control.bounds;
        buttons_.push_back(button);
        tab_orders_.push_back(control.tab_order.value_or(0));
        break;
      }
      case ui::ControlKind::kLabel: {
        HFONT font = font_;
        if (control.font) font = own_fonts_.emplace_back(ui::create_font(*control.font));
        const ui::Font& spec = control.font ? *control.font : form_.font;
        Painted label;
        label.label = ui::lay_out_label(control.caption, font, ui::colour_ref(spec.colour));
        control.bounds.width = label.label.size.width;
        control.bounds.height = label.label.size.height;
        label.bounds = control.bounds;
        painted_.push_back(std::move(label));
        break;
      }
      case ui::ControlKind::kImage: {
        Painted picture;
        picture.is_picture = true;
        picture.bounds = control.bounds;
        picture.picture = ui::TransparentPicture(ui::read_bitmap(control.picture_data));
        painted_.push_back(std::move(picture));
        break;
      }
    }
  }
  content_ = ui::content_extent(form_);
}

void TForm1::CreateButtons() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    Button& button = buttons_[i];
    const ui::Control& control = *form_.find(button.control.Name);
    const ui::Rect& b = button.bounds;
    button.control.Handle =
        CreateWindowExW(0, L"BUTTON", app::wide_text(control.caption, CP_UTF8).c_str(),
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, b.left - scroll_.x,
                        b.top - scroll_.y, b.width, b.height, handle_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
                        application_.Instance(), nullptr);
    SendMessageW(button.control.Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
}

void TForm1::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle_, &paint);
  for (const Painted& item : painted_) {
    const int x = item.bounds.left - scroll_.x, y = item.bounds.top - scroll_.y;
    if (item.is_picture) {
      item.picture.draw(dc, x, y);
    } else {
      ui::draw_label(dc, item.label, RECT{x, y, x + item.bounds.width, y + item.bounds.height},
                     background_);
    }
  }
  EndPaint(handle_, &paint);
}

int TForm1::ButtonIndex(HWND control) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].control.Handle == control) return static_cast<int>(i);
  }
  return -1;
}

// A button that gets the focus from the keyboard is scrolled into view.
void TForm1::FocusButton(std::size_t index) {
  const Button& button = buttons_[index];
  RECT client;
  GetClientRect(handle_, &client);
  ScrollTo(
      ui::scroll_into_view(scroll_.x, client.right, button.bounds.left, button.bounds.right()),
      ui::scroll_into_view(scroll_.y, client.bottom, button.bounds.top, button.bounds.bottom()));
  SetFocus(button.control.Handle);
}

void TForm1::FocusFirstControl() { FocusButton(ui::first_tab_stop(tab_orders_)); }

void TForm1::RestoreFocus() {
  const int index = ButtonIndex(focused_control_);
  if (index >= 0) {
    FocusButton(static_cast<std::size_t>(index));
  } else {
    FocusFirstControl();
  }
}

void TForm1::Click(std::size_t index) {
  Button& button = buttons_[index];
  (this->*button.handler)(&button.control);
}

bool TForm1::PreTranslateMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != handle_ && !IsChild(handle_, message.hwnd)) return false;
  const int index = ButtonIndex(message.hwnd);
  switch (message.wParam) {
    case VK_TAB:
      if (index < 0) {
        FocusFirstControl();
      } else {
        const bool forward = GetKeyState(VK_SHIFT) >= 0;
        FocusButton(ui::next_tab_stop(tab_orders_, static_cast<std::size_t>(index), forward));
      }
      return true;
    case VK_RETURN:
      if (index < 0) return false;
      // Through the window procedure, like a click, so that a failing handler is reported.
      SendMessageW(handle_, WM_COMMAND, MAKEWPARAM(kFirstControlId + index, BN_CLICKED),
                   reinterpret_cast<LPARAM>(message.hwnd));
      return true;
  }
  return false;
}

void TForm1::UpdateScrollBars() {
  if (!form_.auto_scroll || updating_scroll_bars_) return;
  // Showing or hiding a bar resizes the client area and comes back here through WM_SIZE.
  updating_scroll_bars_ = true;
  RECT client;
  GetClientRect(handle_, &client);
  const LONG style = GetWindowLongW(handle_, GWL_STYLE);
  const ui::Size bar{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
  const ui::Size without_bars{client.right + ((style & WS_VSCROLL) ? bar.width : 0),
                              client.bottom + ((style & WS_HSCROLL) ? bar.height : 0)};
  const ui::ScrollBars bars = ui::scroll_bars_for(content_, without_bars, bar);
  const auto set_bar = [&](int which, bool shown, int content, int page) {
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE,
                    0,
                    shown ? content - 1 : 0,
                    shown ? static_cast<UINT>(page) : 0,
                    0,
                    0};
    SetScrollInfo(handle_, which, &info, TRUE);
    ShowScrollBar(handle_, which, shown);
  };
  set_bar(SB_HORZ, bars.horizontal, content_.width, bars.page.width);
  set_bar(SB_VERT, bars.vertical, content_.height, bars.page.height);
  updating_scroll_bars_ = false;
  ScrollTo(scroll_.x, scroll_.y);
}

void TForm1::ScrollTo(int x, int y) {
  RECT client;
  GetClientRect(handle_, &client);
  x = ui::clamp_scroll(x, client.right, content_.width);
  y = ui::clamp_scroll(y, client.bottom, content_.height);
  if (x != scroll_.x || y != scroll_.y) {
    ScrollWindowEx(handle_, scroll_.x - x, scroll_.y - y, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    scroll_ = {x, y};
  }
  SetScrollPos(handle_, SB_HORZ, x, TRUE);
  SetScrollPos(handle_, SB_VERT, y, TRUE);
}

void TForm1::Scroll(int bar, WPARAM request) {
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(handle_, bar, &info);
  int position = info.nPos;
  const int page = static_cast<int>(info.nPage);
  switch (LOWORD(request)) {
    case SB_LINEUP:
      position -= scroll_line_;
      break;
    case SB_LINEDOWN:
      position += scroll_line_;
      break;
    case SB_PAGEUP:
      position -= page;
      break;
    case SB_PAGEDOWN:
      position += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      return;
  }
  if (bar == SB_HORZ) {
    ScrollTo(position, scroll_.y);
  } else {
    ScrollTo(scroll_.x, position);
  }
}

// The wheel scrolls the vertical bar, or the horizontal one when there is no vertical bar, by
// the user's number of lines per notch.
void TForm1::ScrollWheel(int delta) {
  const LONG style = GetWindowLongW(handle_, GWL_STYLE);
  if (!(style & (WS_VSCROLL | WS_HSCROLL))) return;
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  if (lines == WHEEL_PAGESCROLL) lines = 3;
  wheel_remainder_ += delta;
  const int notches = wheel_remainder_ / WHEEL_DELTA;
  wheel_remainder_ %= WHEEL_DELTA;
  const int distance = -notches * static_cast<int>(lines) * scroll_line_;
  if (style & WS_VSCROLL) {
    ScrollTo(scroll_.x, scroll_.y + distance);
  } else {
    ScrollTo(scroll_.x + distance, scroll_.y);
  }
}

LRESULT CALLBACK TForm1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* form = static_cast<TForm1*>(create->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* self = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    self->handle_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wparam, lparam);
  }

  LRESULT result = 0;
  if (const auto error =
          app::run_guarded([&] { result = self->HandleMessage(message, wparam, lparam); })) {
    self->application_.ShowError(*error);
  }
  return result;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        const int index = LOWORD(wparam) - kFirstControlId;
        if (index >= 0 && index < static_cast<int>(buttons_.size())) {
          Click(static_cast<std::size_t>(index));
          return 0;
        }
      }
      break;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      if (wparam != SIZE_MINIMIZED) UpdateScrollBars();
      return 0;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (lparam == 0) {
        Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, wparam);
        return 0;
      }
      break;
    case WM_MOUSEWHEEL:
      ScrollWheel(GET_WHEEL_DELTA_WPARAM(wparam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(handle_, focus)) focused_control_ = focus;
      } else if (!HIWORD(wparam)) {
        // Becoming active: the focus goes back where it was, or to the first tab stop.
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_MINIMIZE) {
        application_.Minimize();
        return 0;
      }
      break;
    case WM_DESTROY:
      application_.MainFormDestroyed();
      return 0;
  }
  return DefWindowProcW(handle_, message, wparam, lparam);
}
