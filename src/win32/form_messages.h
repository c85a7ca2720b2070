// The keyboard interface of a form holding QuilletButtons, and the message pump.
//
// A form's message loop passes every message to TranslateFormMessage first:
//
//   MSG msg;
//   while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
//     if (!TranslateFormMessage(msg)) {
//       TranslateMessage(&msg);
//       DispatchMessageW(&msg);
//     }
//   }
//
// (RunMessageLoop is exactly that.) It moves the focus on TAB and Shift+TAB between the
// form's tab stops, and turns Alt+key, and a plain key while the focus is on a window
// that takes no characters (such as a QuilletButton), into the access key of the enabled
// button on the same form whose caption marks that key: the button takes the focus and its
// control handles the access key.
#pragma once

#include <windows.h>

namespace quillet::win32 {

// True when the message was consumed and must not be translated or dispatched.
bool TranslateFormMessage(const MSG& msg);

// The arrow keys move the selection within a group of option buttons, as in a dialog.
// True when the message was consumed.
bool TranslateOptionArrows(MSG& msg);

// Handles the thread's pending messages until none is left. A WM_QUIT met on the way is
// posted again and ends the pump, so the outer loop still sees it.
void PumpPendingMessages();

// GetMessage loop with TranslateFormMessage; answers the WM_QUIT exit code.
int RunMessageLoop();

}  // namespace quillet::win32
