// Form1, the launcher's one window: eight buttons, each starting its launch action.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "launch/platform.h"
#include "ui/form1_layout.h"

class TApplication;

// What a handler is told about the control that raised the event.
struct TObject {
  std::string_view Name;
  HWND Handle = nullptr;
};

class TForm1 {
 public:
  TForm1(TApplication& application, launch::Platform& platform);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Button5Click(TObject* Sender);
  void Button6Click(TObject* Sender);
  void Button7Click(TObject* Sender);
  void Button8Click(TObject* Sender);
  void Button9Click(TObject* Sender);

  HWND Handle() const { return handle_; }

  // Keyboard handling of a dialog: Tab and Shift+Tab walk the tab order, Enter clicks the
  // focused button. True when the message was used up.
  bool PreTranslateMessage(const MSG& message);

 private:
  using Handler = void (TForm1::*)(TObject*);
  struct Button {
    TObject control;
    Handler handler = nullptr;
    int tab_order = 0;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void CreateButtons();
  int ButtonIndex(HWND control) const;
  void FocusFirstControl();
  void Click(std::size_t index);

  TApplication& application_;
  launch::Platform& platform_;
  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  HWND focused_control_ = nullptr;
  std::array<Button, ui::kForm1Buttons.size()> buttons_{};
};
