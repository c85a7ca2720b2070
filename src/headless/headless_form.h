// A headless stand-in for the windowing the button control lives in: one containing form
// with child windows, window procedures with hook chains, sent and posted messages, the
// pointer with its capture and leave tracking, form activation and keyboard focus. It lets
// the control's hover tracking run without Windows: messages pass through the
// hooks the control installs exactly as the host routes them.
//
// Chaining: every window keeps its hooks in installation order over its own procedure and
// runs their halves around it (WindowHook), so hooks can be removed in any order. A hook
// stays alive while a message passes through it, even if it is removed meanwhile.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "button/control_host.h"
#include "button/window_messages.h"

namespace quillet {

class HeadlessForm {
 public:
  using Procedure = std::function<MessageResult(WindowHandle, std::uint32_t, WParam, LParam)>;

  // The form covers screen pixels (0, 0) to (2000, 2000).
  explicit HeadlessForm(bool mdi_child = false);
  HeadlessForm(const HeadlessForm&) = delete;
  HeadlessForm& operator=(const HeadlessForm&) = delete;

  WindowHandle Window() const { return formWindow_; }
  bool MdiChild() const { return mdiChild_; }
  // The ordinal of the next button placed on the form: 1 for the first.
  int NextButtonOrdinal() { return ++buttonsPlaced_; }
  void SetMdiChild(bool value) { mdiChild_ = value; }

  // --- Windows ---
  WindowHandle CreateChildWindow(const Rect& screen_bounds, Procedure procedure);
  void DestroyWindow(WindowHandle window);
  bool IsWindow(WindowHandle window) const { return windows_.count(window) != 0; }
  void MoveWindow(WindowHandle window, const Rect& screen_bounds);
  Rect WindowBounds(WindowHandle window) const;
  void EnableWindow(WindowHandle window, bool enabled);
  bool IsWindowEnabled(WindowHandle window) const;

  // --- Messages ---
  MessageResult Send(WindowHandle window, std::uint32_t msg, WParam wparam, LParam lparam);
  void Post(WindowHandle window, std::uint32_t msg, WParam wparam, LParam lparam);
  // Delivers the messages pending now, not those posted meanwhile (DoEvents). Answers how many.
  std::size_t PumpOnce();
  // Delivers until nothing is pending, at most `rounds` rounds.
  void PumpAll(int rounds = 64);
  std::size_t PendingCount() const { return posted_.size(); }

  // --- Window procedure hooks ---
  PreviousProcedure InstallHook(WindowHandle window, std::shared_ptr<WindowHook> hook);
  void RemoveHook(WindowHandle window, PreviousProcedure token);
  std::size_t HookCount(WindowHandle window) const;

  // --- Pointer ---
  Point Cursor() const { return cursor_; }
  WindowHandle WindowFromPoint(Point screen) const;
  // Moves the pointer: windows it left that asked for a leave notification get
  // WM_MOUSELEAVE (posted, then delivered), then the capture window, or else the window
  // under the pointer, gets WM_MOUSEMOVE with client coordinates and `key_state`.
  void MovePointer(Point screen, WParam key_state);
  // The window losing the capture gets WM_CAPTURECHANGED (lParam: the new one).
  void SetCapture(WindowHandle window);
  WindowHandle Capture() const { return capture_; }
  void ReleaseCapture() { SetCapture(0); }
  // TrackMouseEvent(TME_LEAVE): arms one leave notification while the pointer is over the
  // window; posts WM_MOUSELEAVE at once when it is not.
  void TrackLeave(WindowHandle window);
  bool LeaveArmed(WindowHandle window) const { return leaveArmed_.count(window) != 0; }

  // --- Activation and focus ---
  // WM_NCACTIVATE, then (not an MDI child) WM_ACTIVATE, to the form window.
  void Activate();
  void Deactivate();
  WindowHandle Focus() const { return focus_; }
  // WM_KILLFOCUS to the window losing the focus, then WM_SETFOCUS to the one gaining it.
  void SetFocus(WindowHandle window);
  // Tab order: enabled child windows in creation order.
  void MoveFocus(bool forward);

 private:
  struct HookSlot {
    PreviousProcedure token;
    std::shared_ptr<WindowHook> hook;
  };
  struct WindowRecord {
    Rect bounds;
    bool enabled = true;
    Procedure procedure;
    std::vector<HookSlot> hooks;  // bottom to top
  };
  struct Posted {
    WindowHandle window;
    std::uint32_t msg;
    WParam wparam;
    LParam lparam;
  };

  bool mdiChild_;
  int buttonsPlaced_ = 0;
  WindowHandle formWindow_;
  WindowHandle nextWindow_ = 0x10010;
  PreviousProcedure nextToken_ = 0x7000;
  std::map<WindowHandle, WindowRecord> windows_;
  std::vector<WindowHandle> childOrder_;
  std::deque<Posted> posted_;
  Point cursor_{-1, -1};
  WindowHandle capture_ = 0;
  WindowHandle focus_ = 0;
  std::set<WindowHandle> leaveArmed_;
};

}  // namespace quillet
