#include "win32/form_messages.h"

#include <string>

#include "win32/button_window.h"

namespace quillet::win32 {
namespace {

struct KeySearch {
  wchar_t key;
  ButtonWindow* found = nullptr;
};

wchar_t Lower(wchar_t c) {
  return static_cast<wchar_t>(
      reinterpret_cast<ULONG_PTR>(CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

BOOL CALLBACK MatchAccessKey(HWND child, LPARAM lparam) {
  auto* search = reinterpret_cast<KeySearch*>(lparam);
  ButtonWindow* button = ButtonWindow::FromWindow(child);
  if (!button || !IsWindowEnabled(child) || !IsWindowVisible(child)) return TRUE;
  for (char16_t k : button->AccessKeys()) {
    if (Lower(static_cast<wchar_t>(k)) == search->key) {
      search->found = button;
      return FALSE;
    }
  }
  return TRUE;
}

bool AccessKey(HWND form, wchar_t ch) {
  KeySearch search{Lower(ch)};
  EnumChildWindows(form, &MatchAccessKey, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  search.found->PressAccessKey(ch);
  return true;
}

UINT DialogCode(HWND window, const MSG& msg) {
  return window ? static_cast<UINT>(SendMessageW(window, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)))
                : 0;
}

bool MoveFocus(HWND form, bool backwards) {
  HWND focus = GetFocus();
  if (focus && !IsChild(form, focus)) focus = nullptr;
  const HWND next = GetNextDlgTabItem(form, focus, backwards ? TRUE : FALSE);
  if (!next) return false;
  SetFocus(next);
  return true;
}

}  // namespace

bool TranslateFormMessage(const MSG& msg) {
  if (!msg.hwnd) return false;
  const HWND form = GetAncestor(msg.hwnd, GA_ROOT);
  if (!form) return false;
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
      if (DialogCode(GetFocus(), msg) & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) return false;
      return MoveFocus(form, GetKeyState(VK_SHIFT) < 0);
    case WM_SYSCHAR: return AccessKey(form, static_cast<wchar_t>(msg.wParam));
    case WM_CHAR:
      // Tab and Enter in a window that takes characters are its own; elsewhere a printable
      // key may be an access key.
      if (msg.wParam < 0x20 || (DialogCode(GetFocus(), msg) & DLGC_WANTCHARS)) return false;
      return AccessKey(form, static_cast<wchar_t>(msg.wParam));
    default: return false;
  }
}

void PumpPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!TranslateFormMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateFormMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

bool TranslateOptionArrows(MSG& msg) {
  const WPARAM key = msg.wParam;
  const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  if (msg.message != WM_KEYDOWN || !arrow) return false;
  HWND focus = GetFocus();
  if (!focus || (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0) return false;
  return IsDialogMessageW(GetAncestor(focus, GA_ROOT), &msg) != FALSE;
}

}  // namespace quillet::win32
