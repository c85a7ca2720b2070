// Window-procedure hooks through the system's window subclassing (comctl32's
// SetWindowSubclass): each hook is one subclass of the window and comctl32 keeps the chain,
// so hooks come off in any order, beside any other code that subclasses the same way, and
// no procedure of ours stays in a window once its hooks are off. There is no limit on their
// number. comctl32 comes from the system folder on first use; before version 6 it exports
// these calls by ordinal only.
//
// A hook stays alive while a message is inside it, even when it is removed meanwhile. A hook
// belongs to the thread that owns its window: windows of another thread are refused.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "button/control_host.h"

namespace quillet::win32 {

// Installs `hook` over the window's current procedures; answers the hook's token. Throws
// HostError when the window cannot be hooked (gone, another thread's, no comctl32).
PreviousProcedure InstallHook(HWND window, std::shared_ptr<WindowHook> hook);

// Removes the hook of `token` from `window`: nothing reaches it any more. A stale token or
// another window's token is ignored.
void RemoveHook(HWND window, PreviousProcedure token);

// Calls the procedures below the hook now handling this message (from inside its Process).
LRESULT CallBelow(PreviousProcedure token, HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// Hooks not yet freed in the process (installed, or removed with a message still inside),
// for diagnostics and tests.
std::size_t HooksAlive();

}  // namespace quillet::win32
