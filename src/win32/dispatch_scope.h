// Deletion deferred until no window message of ours is being handled.
//
// A control's event handler may destroy the control's own window (a form closing itself
// from a Click). The host and its control must survive until the handler and every frame
// of the control's code below it have returned, so window procedures and hooks open a
// DispatchScope, and hosts are freed with DeleteWhenIdle. Everything runs on the one
// user-interface thread.
#pragma once

#include <functional>

namespace quillet::win32 {

class DispatchScope {
 public:
  DispatchScope();
  ~DispatchScope();
  DispatchScope(const DispatchScope&) = delete;
  DispatchScope& operator=(const DispatchScope&) = delete;
};

// Runs `deleter` now when no DispatchScope is open, else when the outermost one closes.
void DeleteWhenIdle(std::function<void()> deleter);

}  // namespace quillet::win32
