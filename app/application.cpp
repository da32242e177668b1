// The application object on Windows: a captionless task-bar window carrying the title.
#include "app/application.h"

#include "app/error_text.h"
#include "app/title.h"
#include "app/win32_text.h"
#include "ui/Unit1.h"

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

// Sent to itself once an activation has settled, to hand the activation on to the main form.
constexpr UINT kActivateMainForm = WM_APP + 1;

std::wstring compute_title(const launch::Platform& platform) {
  std::string path = platform.module_path();
  // The path comes in the OEM character set as far as the title is concerned.
  if (!path.empty()) OemToCharBuffA(path.data(), path.data(), static_cast<DWORD>(path.size()));
  return app::wide_text(app::application_title(path, platform.lead_bytes()), CP_ACP);
}

}  // namespace

TApplication::TApplication(HINSTANCE instance, launch::Platform& platform)
    : instance_(instance), platform_(platform), title_(compute_title(platform)) {
  icon_ = static_cast<HICON>(LoadImageW(instance, L"MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));

  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hIcon = icon_;
  window_class.lpszClassName = kApplicationClass;
  RegisterClassW(&window_class);

  // Zero-sized, so that it is only ever seen as the task-bar entry, which lists unowned windows.
  handle_ = CreateWindowExW(0, kApplicationClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, instance, this);
}

TApplication::~TApplication() {
  main_form_.reset();
  if (handle_) DestroyWindow(handle_);
  if (icon_) DestroyIcon(icon_);
}

TForm1& TApplication::CreateForm() {
  main_form_ = std::make_unique<TForm1>(*this, platform_);
  return *main_form_;
}

HWND TApplication::MainFormHandle() const { return main_form_ ? main_form_->Handle() : nullptr; }

int TApplication::Run(int show_command) {
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (show_command == SW_SHOWMINNOACTIVE) {
    main_form_minimized_ = true;
    ShowWindow(handle_, SW_SHOWMINNOACTIVE);
  } else {
    ShowWindow(MainFormHandle(),
               show_command == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  }

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    bool handled = false;
    if (const auto error = app::run_guarded(
            [&] { handled = main_form_ && main_form_->PreTranslateMessage(message); })) {
      ShowError(*error);
    }
    if (handled) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

void TApplication::ShowError(const std::string& text) const {
  HWND owner = GetActiveWindow();
  MessageBoxW(owner ? owner : handle_, app::wide_text(text, CP_UTF8).c_str(), title_.c_str(),
              MB_OK | MB_ICONERROR);
}

void TApplication::Minimize() {
  if (IsIconic(handle_)) return;
  main_form_minimized_ = true;
  ShowWindow(MainFormHandle(), SW_HIDE);
  ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore() {
  if (IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
  ShowMainFormAgain();
}

void TApplication::ShowMainFormAgain() {
  if (!main_form_minimized_ || IsIconic(handle_)) return;
  main_form_minimized_ = false;
  HWND form = MainFormHandle();
  ShowWindow(form, SW_SHOW);
  SetForegroundWindow(form);
}

void TApplication::MainFormDestroyed() { PostQuitMessage(0); }

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wparam, lparam);
  if (!self->handle_) self->handle_ = window;

  LRESULT result = 0;
  if (const auto error =
          app::run_guarded([&] { result = self->HandleMessage(message, wparam, lparam); })) {
    self->ShowError(*error);
  }
  return result;
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SYSCOMMAND:
      switch (wparam & 0xFFF0) {
        case SC_MINIMIZE:
          Minimize();
          return 0;
        case SC_RESTORE:
          Restore();
          return 0;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      // Restored by other means than the system menu, e.g. a shell's ShowWindow.
      ShowMainFormAgain();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) PostMessageW(handle_, kActivateMainForm, 0, 0);
      return 0;
    case kActivateMainForm: {
      HWND form = MainFormHandle();
      if (form && IsWindowVisible(form) && GetActiveWindow() == handle_) SetActiveWindow(form);
      return 0;
    }
    case WM_CLOSE:
      // Closing the task-bar entry closes the program the way closing its window does.
      if (HWND form = MainFormHandle()) PostMessageW(form, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(handle_, message, wparam, lparam);
}
