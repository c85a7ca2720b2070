// quillet-gallery.exe: every look of QuilletButton live in one window, for developers who
// reuse the control. Keyboard as on any form: TAB and Shift+TAB, access keys, the arrows
// within the caption choices.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "gallery_window.h"
#include "platform/win32/form_messages.h"

namespace {

bool IsArrowKey(WPARAM key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

bool TranslateOptionArrows(MSG& msg) {
  if (msg.message != WM_KEYDOWN || !IsArrowKey(msg.wParam)) return false;
  HWND focus = GetFocus();
  if (!focus || (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0) return false;
  return IsDialogMessageW(GetAncestor(focus, GA_ROOT), &msg) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  OleInitialize(nullptr);
  int exit_code = 1;
  if (quillet::gallery::CreateGalleryWindow(instance)) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (quillet::win32::TranslateFormMessage(msg) || TranslateOptionArrows(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    exit_code = static_cast<int>(msg.wParam);
  }
  OleUninitialize();
  return exit_code;
}
