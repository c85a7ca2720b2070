// ControlHost: what QuilletButton requires of the framework that hosts it on a
// form, and what hover tracking needs of the platform, expressed as host services. The control
// holds a reference to its host; the host outlives the control.
//
// Failure model: a host service that fails throws HostError (or another exception). The
// control lets it pass back to its caller, except where a failure is documented as
// ignored.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "button/font.h"
#include "button/persisted_property_set.h"
#include "button/property_value.h"
#include "button/surface.h"
#include "button/window_messages.h"

namespace quillet {

// Windows-shaped handles and message parameters (HWND, HMODULE, HCURSOR, WPARAM, LPARAM,
// LRESULT), pointer-sized so the same code serves the 32- and 64-bit builds.
using WindowHandle = std::uintptr_t;
using ModuleHandle = std::uintptr_t;
using CursorHandle = std::uintptr_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using MessageResult = std::intptr_t;

// System pointer id of the hand (IDC_HAND).
constexpr std::int32_t kIdcHand = 32649;

// VER_PLATFORM_WIN32_NT, the dwPlatformId of the NT family.
constexpr std::uint32_t kVerPlatformWin32Nt = 2;

class HostError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An event argument, passed by reference: Button, Shift and KeyCode are 16-bit, x and y
// single-precision floats.
using EventArgument = std::variant<std::int16_t, float>;

// TRACKMOUSEEVENT as handed to the leave-notification service.
struct TrackMouseEventRequest {
  std::uint32_t cbSize = 16;
  std::uint32_t dwFlags = 2;  // TME_LEAVE
  WindowHandle hwndTrack = 0;
  std::uint32_t dwHoverTime = 0;
  friend bool operator==(const TrackMouseEventRequest&, const TrackMouseEventRequest&) = default;
};

// Which leave-notification service to call: user32's TrackMouseEvent or comctl32's
// _TrackMouseEvent.
enum class TrackService { User32, Comctl32 };

// A hook procedure over a window's procedure, in its two halves. The host calls, for each
// message, Before of every hook from the newest down until one handles the message, the
// window's procedure unless one did, then After of those same hooks back up, each with
// `handled` as its own Before said: what nested window procedures would do, without
// nesting, so a window may carry any number of hooks.
class WindowHook {
 public:
  virtual ~WindowHook() = default;
  // True: handled here, with `result`; the hooks below and the window's procedure are skipped.
  virtual bool Before(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam, MessageResult& result) = 0;
  virtual void After(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam, MessageResult& result,
                     bool handled) = 0;
};

// Names an installed hook, for its removal. Hosts chain in any way that lets hooks be
// removed in any order.
using PreviousProcedure = std::uintptr_t;

class ControlHost {
 public:
  virtual ~ControlHost() = default;

  // --- Drawing surface of the control's own window ---
  virtual Surface& DrawingSurface() = 0;
  // Client size in pixels (the surface's ScaleWidth and ScaleHeight).
  virtual double ScaleWidth() = 0;
  virtual double ScaleHeight() = 0;
  // A picture size in 0.01 mm (himetric) converted to horizontal pixels (ScaleX).
  virtual double ScaleX(double himetric) = 0;
  // Pixels of the window's monitor per pixel of the form's layout: above 1 once the window
  // shows on a monitor of a larger scale. Fixed-size pictures grow by it.
  virtual double DpiScale() { return 1.0; }
  // Repaints the control's window (Refresh).
  virtual void Refresh() = 0;

  // --- The control's window as the form sees it ---
  // Outer size in the form's twips (Width, Height), settable.
  virtual std::int32_t Width() = 0;
  virtual std::int32_t Height() = 0;
  virtual void SetWidth(std::int32_t twips) = 0;
  virtual void SetHeight(std::int32_t twips) = 0;
  virtual WindowHandle Window() = 0;
  virtual bool WindowEnabled() = 0;
  virtual void SetWindowEnabled(bool enabled) = 0;
  // Pointer shape code (0 default, 99 custom picture) and pointer picture.
  virtual std::int16_t MousePointer() = 0;
  virtual void SetMousePointer(std::int16_t code) = 0;
  virtual PicturePtr MouseIcon() = 0;
  virtual void SetMouseIcon(PicturePtr picture) = 0;
  // The keys that activate the control (AccessKeys), as text.
  virtual std::u16string AccessKeys() = 0;
  virtual void SetAccessKeys(std::u16string keys) = 0;

  // --- The containing form ---
  // Ambient value by name: "UserMode" (bool), "DisplayName" (text), "Font" (font),
  // "DisplayAsDefault" (bool), "BackColor" (32-bit colour). An unknown name gives empty.
  virtual PropertyValue Ambient(std::string_view name) = 0;
  // The containing form's window handle.
  virtual WindowHandle ContainerWindow() = 0;
  // The containing form is the active window now (a button made on a form already active
  // sees no activation message).
  virtual bool ContainerActive() { return false; }
  // The containing form's property of that name ("MDIChild").
  virtual PropertyValue ContainerProperty(std::string_view name) = 0;

  // --- Services to the form ---
  // Raises event `number` with its arguments, by reference.
  virtual void RaiseEvent(std::int32_t number, std::span<EventArgument> arguments) = 0;
  // Tells the form that the named property changed and must be saved again.
  virtual void PropertyChanged(std::string_view name) = 0;
  // Moves the keyboard focus to the previous or next tab stop of the form, as TAB and
  // Shift+TAB would, without putting keystrokes into the input.
  virtual void MoveFocusToTabStop(bool previous) = 0;
  // Gives the control's window the keyboard focus unless it has it.
  virtual void TakeFocus() = 0;
  // Handles the thread's pending window messages once (DoEvents).
  virtual void DoEvents() = 0;
  // The keyboard's Shift, Ctrl and Alt keys held now (kShiftMask, kCtrlMask, kAltMask).
  virtual std::int16_t ShiftState() = 0;
  // High contrast is on: every look draws in the system colours.
  virtual bool HighContrast() { return false; }
  // The form hides the focus rectangle and the access-key underlines until the keyboard is
  // used (WM_QUERYUISTATE).
  virtual bool FocusCueHidden() { return false; }
  virtual bool AccessKeyCueHidden() { return false; }
  // A modal information box with one OK button.
  virtual void ShowMessageBox(std::u16string_view text, std::u16string_view title) = 0;

  // --- Platform services ---
  // dwPlatformId of GetVersionExA (OSVERSIONINFOA, size 148).
  virtual std::uint32_t PlatformId() = 0;
  // LoadCursorA(null module, id); 0 when the system has no such pointer.
  virtual CursorHandle LoadSystemCursor(std::int32_t id) = 0;
  virtual void SetCursor(CursorHandle cursor) = 0;
  // GetCursorPos and WindowFromPoint, in screen coordinates.
  virtual Point CursorPosition() = 0;
  virtual WindowHandle WindowFromPoint(Point screen) = 0;
  virtual void SetCapture(WindowHandle window) = 0;
  virtual WindowHandle GetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  // GetModuleHandleA, LoadLibraryA, GetProcAddress (the address, 0 when absent), FreeLibrary.
  virtual ModuleHandle GetModuleHandleA(std::string_view library) = 0;
  virtual ModuleHandle LoadLibraryA(std::string_view library) = 0;
  virtual std::uintptr_t GetProcAddress(ModuleHandle module, std::string_view function) = 0;
  virtual void FreeLibrary(ModuleHandle module) = 0;
  // TrackMouseEvent (user32) or _TrackMouseEvent (comctl32); the result is not looked at.
  virtual bool TrackMouseEvent(TrackService service, const TrackMouseEventRequest& request) = 0;
  // Installs the hook over the window's procedure and the hooks already there; answers what
  // names it. The host keeps the hook alive while a message passes through it, even if it
  // is removed meanwhile.
  virtual PreviousProcedure InstallWindowHook(WindowHandle window, std::shared_ptr<WindowHook> hook) = 0;
  // Removes the hook installed as `previous`.
  virtual void RemoveWindowHook(WindowHandle window, PreviousProcedure previous) = 0;
};

}  // namespace quillet
