// What a screen reader learns of a button window: WM_GETOBJECT's IAccessible for the
// client area, and the WinEvents raised when the button's name or state changes.
//
// The object reads the button afresh on every call through its window handle, so a
// client that holds it past the window's death gets errors, not freed memory. oleacc is
// loaded from the system folder when the first request comes, never imported.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quillet::win32 {

class ButtonWindow;

// What the button last told the accessibility events about itself.
struct AnnouncedState {
  bool known = false;
  DWORD state = 0;
  std::u16string name;
};

// The caption as read out: the access-key marker dropped, "&&" read as "&".
std::u16string AccessibleName(std::u16string_view caption);

// STATE_SYSTEM_* bits of the button as it is now.
DWORD AccessibleState(ButtonWindow& button);

// WM_GETOBJECT: the button's object for OBJID_CLIENT. 0 for other objects, or when oleacc
// or COM can't serve the request; the window then leaves the answer to DefWindowProc.
LRESULT AnswerGetObject(HWND window, WPARAM wparam, LPARAM lparam);

// Raises EVENT_OBJECT_NAMECHANGE and EVENT_OBJECT_STATECHANGE for what changed since
// `announced`, and remembers the new state. The first call only remembers. The focus event
// is the system's: SetFocus raises it for every window.
void AnnounceChanges(ButtonWindow& button, AnnouncedState& announced);

}  // namespace quillet::win32
