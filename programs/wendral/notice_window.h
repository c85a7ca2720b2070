#pragma once
// The re-plug notice: shown instead of the main window on a first run; its button counts
// down 30 seconds before it opens the main window.
#include <windows.h>

#include "app/countdown.h"

namespace wendral::win32 {

class Program;

class NoticeWindow final : public NoticeView {
 public:
  explicit NoticeWindow(Program& program);  // throws when the window cannot be made
  ~NoticeWindow() override;
  NoticeWindow(const NoticeWindow&) = delete;
  NoticeWindow& operator=(const NoticeWindow&) = delete;

  void Show();

  // NoticeView.
  void SetNextButtonCaption(const std::string& utf8) override;
  void SetNextButtonEnabled(bool enabled) override;
  void StopCountdownTimer() override;

 private:
  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);

  Program& program_;
  NoticeCountdown logic_{*this};
  HWND hwnd_ = nullptr;
  HWND nextButton_ = nullptr;
  HFONT labelFont_ = nullptr;
};

}  // namespace wendral::win32
