// Window-procedure hooks by subclassing (SetWindowLongPtrW with GWLP_WNDPROC).
//
// Each installed hook takes one slot of a fixed table; every slot has a window procedure
// of its own, so a hook can be chained like any other subclass and the procedure it
// replaced is called with CallWindowProcW. A token names the slot (and its generation,
// so a token of a slot that has since been reused is recognised as stale).
//
// Removal in any order: when the hook is the window's current procedure the previous one
// is put back. When something was installed over it, the hook is taken out of the chain
// if that something is one of our hooks (its previous procedure is re-pointed); otherwise
// it stays as a pass-through that only forwards to its previous procedure, and disappears
// once it becomes the current procedure again or the window is destroyed.
//
// A hook stays valid while a message is inside it: its slot is reused only after the last
// such message has returned.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

#include "button/control_host.h"

namespace quillet::win32 {

// Installs `hook` over the window's current procedure; answers the hook's token. Throws
// HostError when no slot is free or the window refuses the procedure.
PreviousProcedure InstallHook(HWND window, std::shared_ptr<WindowHook> hook);

// Removes the hook of `token` from `window`: nothing reaches it any more. A stale token or
// another window's token is ignored.
void RemoveHook(HWND window, PreviousProcedure token);

// Calls the procedure below the hook of `token`, as the chain stands now.
LRESULT CallBelow(PreviousProcedure token, HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

// Live hooks on `window`, and slots taken (live hooks, pass-throughs and hooks with a
// message still inside), for diagnostics and tests.
std::size_t LiveHookCount(HWND window);
std::size_t SlotsInUse();

}  // namespace quillet::win32
