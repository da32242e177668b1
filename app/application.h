// The application object: title, icon, the task-bar window that owns the main form, the loop.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "launch/platform.h"

class TForm1;

class TApplication {
 public:
  TApplication(HINSTANCE instance, launch::Platform& platform);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // The framework's start-up hook; the program adds nothing of its own.
  void Initialize() {}

  // Creates Form1; being the first form, it becomes the main form.
  TForm1& CreateForm();

  // Shows the main form as the process was asked to start (maximised, minimised or normal) and
  // dispatches messages until the main form is closed.
  int Run(int show_command);

  // The error box: `text` (UTF-8), the title as caption, OK button, error icon.
  void ShowError(const std::string& text) const;

  // The main form hides into the task-bar entry, and comes back from it.
  void Minimize();
  void Restore();

  // Called by the main form when it is destroyed: ends the loop.
  void MainFormDestroyed();

  HWND Handle() const { return handle_; }
  HINSTANCE Instance() const { return instance_; }
  HICON Icon() const { return icon_; }
  const std::wstring& Title() const { return title_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  HWND MainFormHandle() const;
  void ShowMainFormAgain();

  HINSTANCE instance_;
  launch::Platform& platform_;
  std::wstring title_;
  HICON icon_ = nullptr;
  HWND handle_ = nullptr;
  std::unique_ptr<TForm1> main_form_;
  bool main_form_minimized_ = false;
};
