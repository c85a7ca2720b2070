// wendral.exe: start-up, then the message loop until a window's close ends the program.
#include <windows.h>
#include <ole2.h>

#include "platform/win32/form_messages.h"
#include "platform/win32/system_libraries.h"
#include "program.h"
#include "settings_probe.h"

namespace {

bool IsArrowKey(WPARAM key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

// Arrow keys move the selection within the option group, as in a dialog.
bool TranslateOptionArrows(MSG& msg) {
  if (msg.message != WM_KEYDOWN || !IsArrowKey(msg.wParam)) return false;
  HWND focus = GetFocus();
  if (!focus || (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) == 0) return false;
  return IsDialogMessageW(GetAncestor(focus, GA_ROOT), &msg) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wendral::win32::RestrictDllSearchToSystemFolder();
  wendral::win32::InitCommonControlsFromSystem();
  OleInitialize(nullptr);
  int exitCode = 0;
  {
    wendral::win32::Program program(wendral::win32::ExecutableDirectory());
    if (program.Run() != wendral::RunKind::Failed) {
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (quillet::win32::TranslateFormMessage(msg) || TranslateOptionArrows(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      exitCode = static_cast<int>(msg.wParam);
    }
  }
  OleUninitialize();
  return exitCode;
}
