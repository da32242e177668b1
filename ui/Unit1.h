// Form1, the launcher's one window, made from its definition: buttons that start the launch
// actions, labels and the brace painted beneath them.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "launch/platform.h"
#include "ui/form_definition.h"
#include "ui/form_gdi.h"

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
    ui::Rect bounds;  // unscrolled client coordinates
  };
  // A label or picture, painted on the form in creation order.
  struct Painted {
    ui::Rect bounds;
    ui::LabelText label;
    ui::TransparentPicture picture;
    bool is_picture = false;
  };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void PrepareControls();
  void CreateButtons();
  void Paint();
  int ButtonIndex(HWND control) const;
  void FocusButton(std::size_t index);
  void FocusFirstControl();
  void RestoreFocus();
  void Click(std::size_t index);

  // Automatic scrolling: bars when the controls reach beyond the client area.
  void UpdateScrollBars();
  void ScrollTo(int x, int y);
  void Scroll(int bar, WPARAM request);
  void ScrollWheel(int delta);

  TApplication& application_;
  launch::Platform& platform_;
  ui::Form form_;
  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH background_ = nullptr;
  bool own_background_ = false;
  std::vector<HFONT> own_fonts_;
  std::vector<Painted> painted_;
  std::vector<Button> buttons_;
  std::vector<int> tab_orders_;  // of buttons_, in the same order
  HWND focused_control_ = nullptr;
  ui::Size content_;
  POINT scroll_{0, 0};
  int scroll_line_ = 0;
  int wheel_remainder_ = 0;
  bool updating_scroll_bars_ = false;
};
