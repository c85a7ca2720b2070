#pragma once
// The re-plug notice: shown instead of the main window on a first run; its button counts
// down 30 seconds before it opens the main window.
#include <windows.h>

#include "app/countdown.h"

namespace wendral::win32 {

class Program;

class Form2 final : public NoticeView {
 public:
  explicit Form2(Program& program);  // throws when the window cannot be made
  ~Form2() override;
  Form2(const Form2&) = delete;
  Form2& operator=(const Form2&) = delete;

  void Show();

  // NoticeView.
  void SetCommand1Caption(const std::string& utf8) override;
  void SetCommand1Enabled(bool enabled) override;
  void StopTimer1() override;

 private:
  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

  Program& program_;
  Form2Logic logic_{*this};
  HWND hwnd_ = nullptr;
  HWND command1_ = nullptr;
  HFONT labelFont_ = nullptr;
};

}  // namespace wendral::win32
