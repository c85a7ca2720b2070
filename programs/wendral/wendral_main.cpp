// wendral.exe: start-up, then the message loop until a window's close ends the program.
#include <windows.h>

#include "win32/form_messages.h"
#include "win32/system_libraries.h"
#include "ole_runtime.h"
#include "program.h"
#include "win32/settings_probe.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wendral::win32::RestrictDllSearchToSystemFolder();
  wendral::win32::InitCommonControlsFromSystem();
  wendral::win32::LoadOleFromSystemFolderBeforeFirstFocus();
  int exitCode = 0;
  bool oleReady = false;
  {
    wendral::win32::Program program(wendral::win32::ExecutableDirectory());
    if (program.Run() != wendral::RunKind::Failed) {
      // OLE serves the banner, decoded for the first paint, and the feedback link: ready
      // before the first message is handled, without holding up the window's showing.
      oleReady = wendral::win32::StartOle();
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (quillet::win32::TranslateFormMessage(msg) || quillet::win32::TranslateOptionArrows(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      exitCode = static_cast<int>(msg.wParam);
    }
  }
  if (oleReady) wendral::win32::StopOle();
  return exitCode;
}
