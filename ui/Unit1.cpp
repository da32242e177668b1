// Form1: window creation, keyboard navigation and the buttons' click handlers.
#include "ui/Unit1.h"

#include <stdexcept>

#include "app/application.h"
#include "app/error_text.h"
#include "app/win32_text.h"
#include "launch/launcher.h"
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

auto handler_named(std::string_view name) {
  for (const HandlerEntry& entry : kHandlers) {
    if (entry.name == name) return entry.method;
  }
  throw std::out_of_range("No handler " + std::string(name));
}

// Control identifiers start at 1, in creation order.
constexpr int kFirstControlId = 1;

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
    : application_(application), platform_(platform) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = application.Instance();
  window_class.hIcon = application.Icon();
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kFormClass;
  RegisterClassW(&window_class);

  // The window font: 宋体 in the Chinese simplified character set, 15 pixels high.
  font_ =
      CreateFontW(-15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体");

  const ui::Bounds& bounds = ui::kForm1Bounds;
  // Owned by the application's window, so the task bar lists the title, not this caption.
  CreateWindowExW(0, kFormClass, app::wide_text(ui::kForm1Caption, CP_UTF8).c_str(),
                  WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bounds.left, bounds.top, bounds.width,
                  bounds.height, application.Handle(), nullptr, application.Instance(), this);
  if (!handle_) throw std::runtime_error("The main window could not be created");
  CreateButtons();
}

TForm1::~TForm1() {
  if (handle_) DestroyWindow(handle_);
  if (font_) DeleteObject(font_);
}

void TForm1::CreateButtons() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ui::ButtonPlacement& placement = ui::kForm1Buttons[i];
    const launch::LaunchAction& action = launch::action_of(placement.control);
    Button& button = buttons_[i];
    button.control.Name = placement.control;
    button.handler = handler_named(action.handler);
    button.tab_order = placement.tab_order;
    const ui::Bounds& b = placement.bounds;
    button.control.Handle = CreateWindowExW(
        0, L"BUTTON", app::wide_text(action.caption, CP_UTF8).c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, b.left, b.top, b.width, b.height,
        handle_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)),
        application_.Instance(), nullptr);
    SendMessageW(button.control.Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
}

int TForm1::ButtonIndex(HWND control) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].control.Handle == control) return static_cast<int>(i);
  }
  return -1;
}

namespace {

template <std::size_t N, class Button>
std::array<int, N> tab_orders_of(const std::array<Button, N>& buttons) {
  std::array<int, N> orders{};
  for (std::size_t i = 0; i < N; ++i) orders[i] = buttons[i].tab_order;
  return orders;
}

}  // namespace

void TForm1::FocusFirstControl() {
  const auto orders = tab_orders_of(buttons_);
  SetFocus(buttons_[ui::first_tab_stop(orders)].control.Handle);
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
    case VK_TAB: {
      if (index < 0) {
        FocusFirstControl();
      } else {
        const bool forward = GetKeyState(VK_SHIFT) >= 0;
        const auto orders = tab_orders_of(buttons_);
        SetFocus(buttons_[ui::next_tab_stop(orders, static_cast<std::size_t>(index), forward)]
                     .control.Handle);
      }
      return true;
    }
    case VK_RETURN:
      if (index < 0) return false;
      // Through the window procedure, like a click, so that a failing handler is reported.
      SendMessageW(handle_, WM_COMMAND, MAKEWPARAM(kFirstControlId + index, BN_CLICKED),
                   reinterpret_cast<LPARAM>(message.hwnd));
      return true;
  }
  return false;
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
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(handle_, focus)) focused_control_ = focus;
      } else if (!HIWORD(wparam)) {
        // Becoming active: the focus goes back where it was, or to the first tab stop.
        if (focused_control_) {
          SetFocus(focused_control_);
        } else {
          FocusFirstControl();
        }
      }
      return 0;
    case WM_SETFOCUS:
      if (focused_control_) {
        SetFocus(focused_control_);
      } else {
        FocusFirstControl();
      }
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
