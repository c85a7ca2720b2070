// the input, focus and ambient handlers, each with its exact order of state
// changes, redraws and events. Each press ends in exactly one of a click or a cancel.
#include <array>

#include "button/quillet_button.h"

namespace quillet {

void QuilletButton::RaiseEvent(ButtonEvent event) {
  host_.RaiseEvent(static_cast<std::int32_t>(event), std::span<EventArgument>{});
}

void QuilletButton::RaiseMouseEvent(ButtonEvent event, std::int16_t button, std::int16_t shift, float x, float y) {
  std::array<EventArgument, 4> args{button, shift, x, y};
  host_.RaiseEvent(static_cast<std::int32_t>(event), args);
}

void QuilletButton::RaiseKeyEvent(ButtonEvent event, std::int16_t keyCode, std::int16_t shift) {
  std::array<EventArgument, 2> args{keyCode, shift};
  host_.RaiseEvent(static_cast<std::int32_t>(event), args);
}

// "Set the pointer": the hand, while HandPointer is on. HandCursor stays 0 until a run-time
// load obtained it; the pointer is then left alone.
void QuilletButton::SetPointer() {
  if (handPointer_ && handCursor_ != 0) host_.SetCursor(handCursor_);
}

void QuilletButton::HandleMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  lastMouseDown_ = MouseDownRecord{button, shift, x, y};
  SetPointer();
  if (button != kLeftButton) return;
  hasFocus_ = true;
  leftButtonDown_ = true;
  if (mouseOver_) SetDrawState(quillet::DrawState::Pressed);
  Redraw();
  RaiseMouseEvent(ButtonEvent::MouseDown, button, shift, x, y);
}

void QuilletButton::HandleMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  SetPointer();
  if (button == kLeftButton) {
    // Only a press that began on this button clicks it: a drag that ends here, or the
    // second release of a double click that closed a window above, does not.
    const bool pressed = leftButtonDown_;
    leftButtonDown_ = false;
    const double w = host_.ScaleWidth();
    const double h = host_.ScaleHeight();
    if (pressed && 0 < x && x < w && 0 < y && y < h) {
      if (checkBoxMode_) value_ = !value_;
      Redraw();
      RaiseEvent(ButtonEvent::Click);
    }
  }
  RaiseMouseEvent(ButtonEvent::MouseUp, button, shift, x, y);
}

void QuilletButton::HandleMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  const WindowHandle own = hWnd();
  if (host_.WindowFromPoint(host_.CursorPosition()) != own) {
    mouseOver_ = false;
    RaiseEvent(ButtonEvent::MouseLeave);
  }
  StartMouseTracking(own);
  if (mouseOver_) {
    SetPointer();
    if (leftButtonDown_) {
      SetDrawState(quillet::DrawState::Pressed);
    } else if (!spaceDown_) {
      SetDrawState(quillet::DrawState::Hot);
    }
    Redraw();
  }
  RaiseMouseEvent(ButtonEvent::MouseMove, button, shift, x, y);
}

void QuilletButton::HandleDoubleClick() {
  SetPointer();
  if (lastMouseDown_.button != kLeftButton) return;
  host_.SetCapture(hWnd());
  SetDrawState(quillet::DrawState::Pressed);
  Redraw();
  const MouseDownRecord last = lastMouseDown_;
  HandleMouseDown(last.button, last.shift, last.x, last.y);
  RaiseEvent(ButtonEvent::DblClick);
}

void QuilletButton::HandleKeyDown(std::int16_t keyCode, std::int16_t shift, bool repeat) {
  switch (keyCode) {
    case kVkReturn:
      if (!repeat) RaiseEvent(ButtonEvent::Click);  // a held Enter clicks once
      break;
    case kVkSpace: {
      if (!leftButtonDown_) {
        if (shift == kAltMask) return;  // Alt+Space: nothing, not even KeyDown
        if (spaceDown_) break;          // auto-repeat of a press already seen
        spaceDown_ = true;
        if (checkBoxMode_) {
          value_ = !value_;
        } else if (drawState_ != quillet::DrawState::Pressed) {
          SetDrawState(quillet::DrawState::Pressed);
          Redraw();
        }
      }
      const WindowHandle own = hWnd();
      if (host_.GetCapture() != own) {
        host_.ReleaseCapture();
        host_.SetCapture(own);
      }
      break;
    }
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
      // Ctrl and Alt with an arrow belong to the program (pages, menus), never to the focus.
      if ((shift & (kCtrlMask | kAltMask)) == 0) host_.MoveFocusToTabStop(keyCode == kVkLeft || keyCode == kVkUp);
      break;
    default: break;
  }
  RaiseKeyEvent(ButtonEvent::KeyDown, keyCode, shift);
}

void QuilletButton::HandleKeyUp(std::int16_t keyCode, std::int16_t shift) {
  // A release whose press this button never saw (the press went to another window) is not
  // a click.
  if (keyCode != kVkSpace || !spaceDown_) return;
  const bool mouseHeld = leftButtonDown_;
  spaceDown_ = false;
  leftButtonDown_ = false;
  // The capture taken on key down goes before the click, whose handler may open a window.
  ReleaseOwnCapture();
  bool click = true;
  if (!mouseOver_) {
    SetDrawState(quillet::DrawState::Normal);
  } else if (mouseHeld) {
    SetDrawState(quillet::DrawState::Pressed);
    click = false;
  } else {
    SetDrawState(quillet::DrawState::Hot);
  }
  Redraw();
  if (click) RaiseEvent(ButtonEvent::Click);
  RaiseKeyEvent(ButtonEvent::KeyUp, keyCode, shift);
}

void QuilletButton::HandleAccessKey(std::int16_t charCode) {
  if (!enabled_) return;
  if (spaceDown_) {
    spaceDown_ = false;
    leftButtonDown_ = false;
  }
  if (checkBoxMode_) {
    if (charCode == kVkEscape || charCode == kVkReturn) return;
    value_ = !value_;
    if (!value_) SetDrawState(quillet::DrawState::Normal);
    Redraw();
  }
  host_.DoEvents();
  RaiseEvent(ButtonEvent::Click);
}

void QuilletButton::HandleFocusGained() {
  hasFocus_ = true;
  if (mouseOver_) {
    SetDrawState(quillet::DrawState::Hot);
  } else if (!leftButtonDown_) {
    SetDrawState(quillet::DrawState::Normal);
  }
  Redraw();  // the focus look shows now, not at some later redraw
}

void QuilletButton::HandleFocusLost() {
  hasFocus_ = false;
  leftButtonDown_ = false;
  spaceDown_ = false;
  ReleaseOwnCapture();  // a held Space must not keep the program's next click
  SetDrawState(parentActive_ && mouseOver_ ? quillet::DrawState::Hot : quillet::DrawState::Normal);
  Redraw();
  if (displayAsDefault_) Redraw();
}

void QuilletButton::HandleCaptureLost() {
  if (releasingCapture_ || (!leftButtonDown_ && !spaceDown_)) return;
  leftButtonDown_ = false;
  spaceDown_ = false;
  SetDrawState(mouseOver_ ? quillet::DrawState::Hot : quillet::DrawState::Normal);
  Redraw();
}

void QuilletButton::ReleaseOwnCapture() {
  if (host_.GetCapture() != hWnd()) return;
  releasingCapture_ = true;
  try {
    host_.ReleaseCapture();
  } catch (...) {
    releasingCapture_ = false;
    throw;
  }
  releasingCapture_ = false;
}

void QuilletButton::HandleClickMessage() {
  if (!enabled_) return;
  spaceDown_ = false;
  leftButtonDown_ = false;
  if (checkBoxMode_) {
    value_ = !value_;
    if (!value_) SetDrawState(quillet::DrawState::Normal);
  }
  Redraw();
  RaiseEvent(ButtonEvent::Click);
}

void QuilletButton::HandleSystemColorsChanged() { Redraw(); }

void QuilletButton::HandleAmbientChange(std::string_view propertyName) {
  displayAsDefault_ = ToBool(host_.Ambient("DisplayAsDefault"));
  if (propertyName == "DisplayAsDefault") Redraw();
  if (propertyName == "BackColor") Redraw();
}

}  // namespace quillet
