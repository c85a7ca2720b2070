/* Registers the class, makes a button with CreateWindowEx, drives it with the header's
 * messages and checks the answers and the BN_CLICKED the parent gets. Exit status 0 when
 * everything held, else the number of the first check that failed. */
#include <windows.h>

#include "QuilletButton.h"

static int clicks;

static LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_COMMAND && LOWORD(wparam) == 7 && HIWORD(wparam) == BN_CLICKED) ++clicks;
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

int main(void) {
  HINSTANCE instance = GetModuleHandleW(NULL);
  WNDCLASSW wc;
  HWND parent, button;
  WCHAR text[256];
  ZeroMemory(&wc, sizeof wc);
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"ConsumerParent";
  if (!RegisterClassW(&wc)) return 1;
  if (!QuilletButton_Register(instance) || QuilletButton_Register(instance) != QuilletButton_Register(instance)) return 2;
  parent = CreateWindowExW(0, L"ConsumerParent", L"consumer", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL,
                           instance, NULL);
  button = CreateWindowExW(0, QUILLETBUTTON_CLASSW, L"&Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 120, 30,
                           parent, (HMENU)(INT_PTR)7, instance, NULL);
  if (!parent || !button) return 3;
  QuilletButton_SetStyle(button, 5);
  if (QuilletButton_GetStyle(button) != 5 || QuilletButton_SetStyle(button, 16) != -1) return 4;
  QuilletButton_SetBackColor(button, RGB(1, 2, 3));
  if (QuilletButton_GetBackColor(button) != RGB(1, 2, 3)) return 5;
  QuilletButton_SetCheckBoxMode(button, TRUE);
  QuilletButton_Click(button);
  if (clicks != 1 || QuilletButton_GetCheck(button) != BST_CHECKED) return 6;
  if (SendMessageW(button, WM_GETDLGCODE, 0, 0) != (DLGC_WANTARROWS | DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON)) return 7;
  if (QuilletButton_SaveText(button, text, 256) <= 0 || !QuilletButton_LoadText(button, text)) return 8;
  GetWindowTextW(button, text, 256);
  if (lstrcmpW(text, L"&Go") != 0) return 9;
  DestroyWindow(parent);
  return 0;
}
