// A real top-level form with QuilletButtons on it, and input sent the way a user makes it
// (SendInput), for the host tests under Wine. Needs a display (Xvfb).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "button/button_types.h"
#include "win32/button_window.h"

namespace quillet::win32::test {

constexpr int kFirstId = 100;

class TestForm {
 public:
  // `captions.size()` buttons in a row, 100 x 30 pixels each, ids kFirstId, kFirstId + 1...
  explicit TestForm(std::vector<std::u16string> captions);
  ~TestForm();
  TestForm(const TestForm&) = delete;
  TestForm& operator=(const TestForm&) = delete;

  HWND hwnd() const { return hwnd_; }
  HWND ButtonHandle(int i) const { return buttons_[i]; }
  ButtonWindow* Button(int i) const { return ButtonWindow::FromWindow(buttons_[i]); }
  QuilletButton& Control(int i) const { return *Button(i)->Control(); }
  // Centre of button i in screen pixels.
  POINT Centre(int i) const;
  // Makes the form the foreground, active window and waits until it is.
  void Activate();

  // Per button, kept after the button is gone.
  std::vector<std::vector<ButtonEvent>> events;
  // Ids of the BN_CLICKED commands the form received.
  std::vector<int> commands;
  // Called for every message the form's own procedure gets, before it handles it.
  std::function<void(UINT, WPARAM, LPARAM)> on_message;
  WNDPROC original_proc = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
  std::vector<HWND> buttons_;
};

// A second top-level window to take the activation away.
HWND OtherWindow();

// Real input.
void MoveMouseTo(POINT screen);
void MouseLeft(bool down);
void Key(WORD vk, bool down);
void Tap(WORD vk);

// Pumps the queue (through the form keyboard interface) until `done` or the timeout.
bool PumpUntil(const std::function<bool()>& done, int timeout_ms = 3000);
void PumpFor(int ms);

int Count(const std::vector<ButtonEvent>& events, ButtonEvent e);

}  // namespace quillet::win32::test
