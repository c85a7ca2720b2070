// Window-procedure hooks through the system's window subclassing (comctl32's
// SetWindowSubclass): all hooks of one window share one subclass of it, which runs their
// halves around the procedures below (WindowHook), so a window may carry any number of
// hooks without nesting, they come off in any order, beside any other code that subclasses
// the same way, and nothing of ours stays in a window once its last hook is off. comctl32
// comes from the system folder on first use; before version 6 it exports these calls by
// ordinal only.
//
// A hook stays alive while a message is inside it, even when it is removed meanwhile. A hook
// belongs to the thread that owns its window: windows of another thread are refused, and
// only that thread touches the window's hooks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "button/control_host.h"

namespace quillet::win32 {

// Installs `hook` over the window's procedures and its hooks so far; answers the hook's
// token. Throws HostError when the window cannot be hooked (gone, another thread's, no
// comctl32).
PreviousProcedure InstallHook(HWND window, std::shared_ptr<WindowHook> hook);

// Removes the hook of `token` from `window`: nothing reaches it any more. A stale token or
// another window's token is ignored.
void RemoveHook(HWND window, PreviousProcedure token);

// Hooks installed in the process, for diagnostics and tests.
std::size_t HooksAlive();

}  // namespace quillet::win32
