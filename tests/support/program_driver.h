#pragma once
// Starts wendral.exe from a directory of its own and works it like a user: mouse clicks and
// keystrokes through SendInput, windows found by class and title.
#include <windows.h>

#include <functional>
#include <string>

#include "support/win32_test_utils.h"

namespace wendral::e2e {

using test::WaitFor;
using test::WindowText;

class ProgramDriver {
 public:
  ProgramDriver();  // a fresh directory holding a copy of wendral.exe
  ~ProgramDriver();

  const std::wstring& directory() const { return dir_; }
  std::wstring SettingsFile() const { return dir_ + L"\\360RI.INI"; }
  // The settings file's bytes, or "<no file>".
  std::string SettingsBytes() const;
  void WriteSettings(const std::string& bytes) const;

  void Start();
  bool Running() const;
  // True when the program ended within the time.
  bool WaitForExit(DWORD timeoutMs = 10000) const;

  // Top-level windows of the program: "WendralForm1", "WendralForm2", or a message box
  // titled "提示" (class "#32770"). Null when not there (or not visible).
  HWND FindVisible(const wchar_t* className, const wchar_t* title = nullptr) const;
  HWND WaitForWindow(const wchar_t* className, const wchar_t* title = nullptr, DWORD timeoutMs = 10000) const;
  HWND MessageBox(DWORD timeoutMs = 10000) const { return WaitForWindow(L"#32770", L"提示", timeoutMs); }
  static std::wstring BoxText(HWND box);

  // The program's keyboard focus (GetGUIThreadInfo).
  HWND Focus() const;
  // GetVersion() as the running program sees it, asked from a thread started inside it:
  // the major version in the low byte, the minor one in the next. 0 when it cannot be asked.
  DWORD ReportedVersion() const;
  // GetSysColor(index) as the running program sees it (visual styles may answer for it there),
  // asked the same way. CLR_INVALID when it cannot be asked.
  COLORREF SystemColor(int index) const;

  // Real input.
  static void ClickWindow(HWND window);
  static void Key(WORD vk, bool alt = false, bool ctrl = false, bool shift = false);
  static void Type(const std::wstring& text);
  static void Activate(HWND window);
  // The real pointer at a point of a window's client area, or its left button alone.
  static void PointAt(HWND window, int clientX, int clientY);
  static void LeftButton(bool down);

 private:
  std::wstring dir_;
  test::StartedProcess process_;
};

// A child of `parent` by control id.
HWND Child(HWND parent, int id);

}  // namespace wendral::e2e
