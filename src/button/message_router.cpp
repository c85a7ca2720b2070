#include "button/message_router.h"

#include "button/quillet_button.h"

namespace quillet {
namespace {

std::int16_t ButtonsHeld(WParam wparam) {
  std::int16_t buttons = 0;
  if (wparam & kMkLButton) buttons |= kLeftButton;
  if (wparam & kMkRButton) buttons |= kRightButton;
  if (wparam & kMkMButton) buttons |= kMiddleButton;
  return buttons;
}

std::int16_t ButtonOf(std::uint32_t msg) {
  switch (msg) {
    case kWmLButtonDown:
    case kWmLButtonUp:
    case kWmLButtonDblClk: return kLeftButton;
    case kWmRButtonDown:
    case kWmRButtonUp:
    case kWmRButtonDblClk: return kRightButton;
    default: return kMiddleButton;
  }
}

}  // namespace

bool RouteButtonMessage(QuilletButton& button, std::uint32_t msg, WParam wparam, LParam lparam) {
  ControlHost& host = button.Host();
  const auto x = static_cast<float>(LoWordSigned(lparam));
  const auto y = static_cast<float>(HiWordSigned(lparam));
  const auto key = static_cast<std::int16_t>(wparam);
  switch (msg) {
    case kWmMouseMove: button.HandleMouseMove(ButtonsHeld(wparam), host.ShiftState(), x, y); return true;
    case kWmLButtonDown:
    case kWmRButtonDown:
    case kWmMButtonDown:
    case kWmRButtonDblClk:
    case kWmMButtonDblClk: {
      const std::int16_t pressed = ButtonOf(msg);
      if (pressed == kLeftButton) host.TakeFocus();
      host.SetCapture(host.Window());  // the release comes here wherever the pointer goes
      button.HandleMouseDown(pressed, host.ShiftState(), x, y);
      return true;
    }
    case kWmLButtonDblClk: button.HandleDoubleClick(); return true;
    case kWmLButtonUp:
    case kWmRButtonUp:
    case kWmMButtonUp:
      // The capture lasts while any button is held.
      if (ButtonsHeld(wparam) == 0) button.ReleaseOwnCapture();
      button.HandleMouseUp(ButtonOf(msg), host.ShiftState(), x, y);
      return msg != kWmRButtonUp;
    case kWmKeyDown:
    case kWmSysKeyDown: button.HandleKeyDown(key, host.ShiftState(), (lparam & kKeyWasDown) != 0); return false;
    case kWmKeyUp:
    case kWmSysKeyUp: button.HandleKeyUp(key, host.ShiftState()); return false;
    case kWmSetFocus: button.HandleFocusGained(); return true;
    case kWmKillFocus: button.HandleFocusLost(); return true;
    case kWmCaptureChanged:
      if (static_cast<WindowHandle>(lparam) != host.Window()) button.HandleCaptureLost();
      return true;
    case kWmCancelMode: button.HandleCaptureLost(); return false;  // the default releases the capture
    case kWmSysColorChange:
    case kWmSettingChange:
    case kWmThemeChanged: button.HandleSystemColorsChanged(); return false;
    default: return false;
  }
}

}  // namespace quillet
