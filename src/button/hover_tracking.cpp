// Hover tracking, the portable half: probing the leave-notification service, arming it, hooking
// the control's and the form's windows at run-time load, and the hooked-message handler. The hook
// procedure and the HookTable are in hook_table.cpp; the routing of window messages is the
// host's (ControlHost::InstallWindowHook).
#include "button/quillet_button.h"

namespace quillet {

// Step 7b of HandleLoad.
void QuilletButton::StartHoverTracking() {
  // 1., 2.
  trackingAvailable_ = true;
  trackInUser32_ = IsFunctionExported("TrackMouseEvent", "User32");
  if (!trackInUser32_ && !IsFunctionExported("_TrackMouseEvent", "Comctl32")) {
    trackingAvailable_ = false;
    return;
  }
  // 3.
  const WindowHandle own = hWnd();
  HookWindow(own);
  AddHookedMessage(own, kWmMouseMove, kHookAfter);
  AddHookedMessage(own, kWmMouseLeave, kHookAfter);
  HookContainer();
}

// 4. The form: its activation, and the colour and setting changes the system sends to
// top-level windows only. Every failure is ignored (a form the host cannot hook, such as one
// of another thread, leaves the button without them).
void QuilletButton::HookContainer() {
  try {
    HookWindow(parentWindow_);
    bool mdi_child = false;
    try {
      mdi_child = ToBool(host_.ContainerProperty("MDIChild"));
    } catch (...) {
    }
    AddHookedMessage(parentWindow_, mdi_child ? kWmNcActivate : kWmActivate, kHookAfter);
    AddHookedMessage(parentWindow_, kWmSysColorChange, kHookAfter);
    AddHookedMessage(parentWindow_, kWmSettingChange, kHookAfter);
    parentActive_ = host_.ContainerActive();
  } catch (...) {
  }
}

void QuilletButton::HandleContainerChanged() {
  const WindowHandle container = host_.ContainerWindow();
  if (container == parentWindow_) return;
  try {
    UnhookWindow(parentWindow_);
  } catch (...) {
    // Never hooked (design time, no tracking, another thread's form), or hooked elsewhere.
  }
  parentWindow_ = container;
  try {
    parentActive_ = host_.ContainerActive();
  } catch (...) {
  }
  if (trackingAvailable_ && AmbientUserMode()) HookContainer();
  Redraw();
}

bool QuilletButton::IsFunctionExported(std::string_view functionName, std::string_view libraryName) {
  bool loaded_here = false;
  ModuleHandle module = host_.GetModuleHandleA(libraryName);
  if (module == 0) {
    module = host_.LoadLibraryA(libraryName);
    if (module == 0) return false;
    loaded_here = true;
  }
  const bool answer = host_.GetProcAddress(module, functionName) != 0;
  if (loaded_here) host_.FreeLibrary(module);
  return answer;
}

void QuilletButton::StartMouseTracking(WindowHandle window) {
  if (!trackingAvailable_) return;
  TrackMouseEventRequest request;
  request.hwndTrack = window;
  host_.TrackMouseEvent(trackInUser32_ ? TrackService::User32 : TrackService::Comctl32, request);
}

void QuilletButton::OnHookedMessage(bool /*before*/, bool& /*handled*/, MessageResult& /*result*/, WindowHandle& hwnd,
                                    std::uint32_t& msg, WParam& wParam, LParam& /*lParam*/) {
  switch (msg) {
    case kWmActivate:
    case kWmNcActivate:
      if (wParam != 0) {
        parentActive_ = true;
        SetDrawState(quillet::DrawState::Normal);
        if (displayAsDefault_) Redraw();
        Redraw();
      } else {
        leftButtonDown_ = false;
        spaceDown_ = false;
        hasFocus_ = false;
        parentActive_ = false;
        SetDrawState(quillet::DrawState::Normal);
        Redraw();
      }
      break;
    case kWmMouseMove:
      if (!mouseOver_) {
        mouseOver_ = true;
        StartMouseTracking(hwnd);
        if (!spaceDown_) SetDrawState(quillet::DrawState::Hot);
        Redraw();
        RaiseEvent(ButtonEvent::MouseEnter);
      }
      break;
    case kWmSysColorChange:
    case kWmSettingChange: HandleSystemColorsChanged(); break;
    case kWmMouseLeave:
      mouseOver_ = false;
      if (!spaceDown_) {
        if (enabled_) SetDrawState(quillet::DrawState::Normal);
        Redraw();
        RaiseEvent(ButtonEvent::MouseLeave);
      }
      break;
    default: break;
  }
}

}  // namespace quillet
