// quillet-gallery.exe: every look of QuilletButton live in one window, for developers who
// reuse the control. Keyboard as on any form: TAB and Shift+TAB, access keys, the arrows
// within the caption choices.
#include <windows.h>
#include <ole2.h>

#include "gallery_window.h"
#include "win32/form_messages.h"
#include "win32/system_libraries.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wendral::win32::RestrictDllSearchToSystemFolder();
  wendral::win32::InitCommonControlsFromSystem();
  OleInitialize(nullptr);
  int exit_code = 1;
  if (quillet::gallery::CreateGalleryWindow(instance)) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (quillet::win32::TranslateFormMessage(msg) || quillet::win32::TranslateOptionArrows(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    exit_code = static_cast<int>(msg.wParam);
  }
  OleUninitialize();
  return exit_code;
}
