// The button window: its class, creation with the control's load, and the window
// procedure that turns messages into the control's notifications.
#include "win32/button_window.h"

#include <algorithm>

#include <windowsx.h>

#include "QuilletButton.h"
#include "win32/button_dpi.h"
#include "win32/dispatch_scope.h"
#include "win32/form_ambient.h"
#include "win32/twips.h"
#include "win32/window_buffer_surface.h"

namespace quillet::win32 {
namespace {

// The ButtonWindow CreateQuilletButton is making, handed to WM_NCCREATE; windows made any
// other way get a new one there.
thread_local ButtonWindow* pending_window = nullptr;

std::int16_t ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

std::int16_t ButtonsHeld(WPARAM wparam) {
  std::int16_t buttons = 0;
  if (wparam & MK_LBUTTON) buttons |= kLeftButton;
  if (wparam & MK_RBUTTON) buttons |= kRightButton;
  if (wparam & MK_MBUTTON) buttons |= kMiddleButton;
  return buttons;
}

}  // namespace

ButtonWindow* ButtonWindow::FromWindow(HWND window) {
  if (!window) return nullptr;
  wchar_t name[32] = {};
  if (!GetClassNameW(window, name, 32) || lstrcmpW(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<ButtonWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

ButtonWindow::ButtonWindow(HWND form, int id, ButtonOptions options)
    : form_(form), id_(id), options_(std::move(options)) {
  ambient_["UserMode"] = options_.user_mode;
  ambient_["DisplayName"] = options_.name;
  ambient_["Font"] = AmbientFontOf(form);
  ambient_["DisplayAsDefault"] = false;
  ambient_["BackColor"] = static_cast<std::int32_t>(AmbientBackColorOf(form));
}

ButtonWindow::~ButtonWindow() {
  // The control unhooks itself on destruction and calls back into this host.
  control_.reset();
}

bool ButtonWindow::MakeControl(const PersistedPropertySet& properties) {
  try {
    RECT client{};
    GetClientRect(hwnd_, &client);
    surface_ = WindowBufferSurface::Create(hwnd_, client.right, client.bottom);
    if (!surface_) throw HostError("no drawing surface");
    surface_->SetFontDpi(static_cast<std::int32_t>(MonitorDpiOf(hwnd_)), CurrentScreenDpi().y);
    control_ = std::make_unique<QuilletButton>(*this);
    control_->HandleCreate();
    control_->HandleLoad(properties);
    loaded_ = true;
    bufferDrawn_ = true;  // the load ends in a redraw
    SyncWindowText();
    return true;
  } catch (...) {
    // The window frees its object (and the control unhooks itself) on destruction.
    loaded_ = false;
    return false;
  }
}

bool ButtonWindow::CreateFromStruct(const CREATESTRUCTW& create) {
  PersistedPropertySet properties;
  // A dialog template's text may be a resource ordinal (0xFFFF, id): no caption then.
  const bool text = create.lpszName && !IS_INTRESOURCE(create.lpszName) &&
                    !(reinterpret_cast<const WORD*>(create.lpszName)[0] == 0xFFFF);
  properties.Put("Caption", std::u16string(text ? reinterpret_cast<const char16_t*>(create.lpszName) : u""));
  if (create.style & WS_DISABLED) properties.Put("Enabled", false);
  if (!MakeControl(properties)) return false;
  // The control learns of the default frame as an ambient change, as when it moves.
  if ((create.style & 0x0F) == BS_DEFPUSHBUTTON) ChangeAmbient("DisplayAsDefault", true);
  return true;
}

ButtonWindow* CreateQuilletButton(HWND form, int id, const TwipsRect& placement, const PersistedPropertySet& properties,
                                  const ButtonOptions& options) {
  if (!IsWindow(form) || !QuilletButton_Register(GetModuleHandleW(nullptr))) return nullptr;
  DispatchScope scope;  // the load may send messages; nothing is freed under our feet
  auto* self = new ButtonWindow(form, id, options);
  const ScreenDpi dpi = CurrentScreenDpi();
  pending_window = self;
  const HWND hwnd =
      CreateWindowExW(0, ButtonWindow::kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                      TwipsToPixels(placement.left, dpi.x), TwipsToPixels(placement.top, dpi.y),
                      TwipsToPixels(placement.width, dpi.x), TwipsToPixels(placement.height, dpi.y), form,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  pending_window = nullptr;
  if (!hwnd) {
    // Once WM_NCCREATE took the object, WM_NCDESTROY frees it.
    if (!self->windowMade_) delete self;
    return nullptr;
  }
  if (!self->MakeControl(properties)) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  AnnounceChanges(*self, self->announced_);  // what the button starts as is no change
  return self;
}

LRESULT CALLBACK ButtonWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  DispatchScope scope;
  if (msg == WM_NCCREATE) {
    ButtonWindow* self = pending_window;
    pending_window = nullptr;
    if (!self) {
      const auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
      try {
        self = new ButtonWindow(create->hwndParent, static_cast<int>(reinterpret_cast<INT_PTR>(create->hMenu)), {});
      } catch (...) {
        return FALSE;
      }
      self->madeByClass_ = true;
    }
    self->hwnd_ = hwnd;
    self->windowMade_ = true;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ButtonWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wparam, lparam);
  try {
    const LRESULT result = self->HandleMessage(msg, wparam, lparam);
    // Whatever the message changed is told to screen readers once it is done.
    if (self->loaded_) AnnounceChanges(*self, self->announced_);
    return result;
  } catch (...) {
    // A failing host call ends here: nothing may unwind through the system's frames.
    return 0;
  }
}

LRESULT ButtonWindow::HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  QuilletButton* c = loaded_ ? control_.get() : nullptr;
  const auto x = static_cast<float>(GET_X_LPARAM(lparam));
  const auto y = static_cast<float>(GET_Y_LPARAM(lparam));
  switch (msg) {
    case WM_CREATE:
      if (madeByClass_ && !CreateFromStruct(*reinterpret_cast<CREATESTRUCTW*>(lparam))) return -1;
      return 0;
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_GETFONT:
    case BM_GETCHECK:
    case BM_SETCHECK:
    case BM_GETSTATE:
    case BM_SETSTYLE: return ClassMessage(msg, wparam, lparam);
    case WM_LBUTTONDOWN: MouseDown(kLeftButton, lparam); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: MouseDown(kRightButton, lparam); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: MouseDown(kMiddleButton, lparam); return 0;
    case WM_LBUTTONUP: MouseUp(kLeftButton, wparam, lparam); return 0;
    case WM_RBUTTONUP: MouseUp(kRightButton, wparam, lparam); return 0;
    case WM_MBUTTONUP: MouseUp(kMiddleButton, wparam, lparam); return 0;
    case WM_LBUTTONDBLCLK:
      if (c) c->HandleDoubleClick();
      return 0;
    case WM_MOUSEMOVE:
      if (c) c->HandleMouseMove(ButtonsHeld(wparam), ShiftState(), x, y);
      return 0;
    case WM_KEYDOWN:
      if (c) c->HandleKeyDown(static_cast<std::int16_t>(wparam), ShiftState());
      return 0;
    case WM_KEYUP:
      if (c) c->HandleKeyUp(static_cast<std::int16_t>(wparam), ShiftState());
      return 0;
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      // Alt held: the control sees the key (Alt+Space raises nothing), the system menu too.
      if (c && msg == WM_SYSKEYDOWN) c->HandleKeyDown(static_cast<std::int16_t>(wparam), ShiftState());
      if (c && msg == WM_SYSKEYUP) c->HandleKeyUp(static_cast<std::int16_t>(wparam), ShiftState());
      break;
    case WM_SETFOCUS:
      if (c) c->HandleFocusGained();
      return 0;
    case WM_KILLFOCUS:
      if (c) c->HandleFocusLost();
      return 0;
    case WM_ENABLE:
      // Someone enabled the window directly: the property follows, and redraws.
      if (c && c->Enabled() != (wparam != 0)) c->Enabled(wparam != 0);
      return 0;
    case BM_CLICK:
      // How a dialog manager presses a button (its mnemonic, say): as the access key.
      // Like the system's button, it takes the focus first.
      if (c && c->Enabled() && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
      if (loaded_ && control_)
        control_->HandleAccessKey(static_cast<std::int16_t>(accessKeys_.empty() ? 0 : accessKeys_[0]));
      return 0;
    case WM_GETDLGCODE:
      // Arrows move the focus from inside the control; letters are access keys. The push
      // button codes let the dialog manager move the default frame and press it on Enter.
      return DLGC_WANTARROWS | DLGC_BUTTON | (IsDefaultButton() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && SetPointerShape()) return TRUE;
      break;
    case WM_GETOBJECT:
      if (const LRESULT object = AnswerGetObject(hwnd_, wparam, lparam)) return object;
      break;
    case kWmDpiChanged:
    case kWmDpiChangedAfterParent: ChangeDpi(DpiOfMessage(hwnd_, msg, wparam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case kPresentMessage:
      // Redraws happened: repaint only the pixels they changed.
      if (surface_) {
        if (const std::optional<RECT> changed = surface_->TakeChangedArea()) InvalidateRect(hwnd_, &*changed, FALSE);
      }
      return 0;
    case WM_SIZE: Sized(); return 0;
    case WM_DESTROY:
      if (c) {
        c->HandleDestroy();
        loaded_ = false;
      }
      return 0;
    case WM_NCDESTROY: {
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      ButtonWindow* self = this;
      DeleteWhenIdle([self] { delete self; });
      return 0;
    }
    default:
      if (msg >= QBM_FIRST && msg <= QBM_LAST) return PropertyMessage(msg, wparam, lparam);
      break;
  }
  return DefWindowProcW(hwnd_, msg, wparam, lparam);
}

void ButtonWindow::MouseDown(std::int16_t button, LPARAM lparam) {
  if (!loaded_) return;
  if (button == kLeftButton && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
  ::SetCapture(hwnd_);
  control_->HandleMouseDown(button, ShiftState(), static_cast<float>(GET_X_LPARAM(lparam)),
                            static_cast<float>(GET_Y_LPARAM(lparam)));
}

void ButtonWindow::MouseUp(std::int16_t button, WPARAM wparam, LPARAM lparam) {
  if (!loaded_) return;
  // The capture lasts while any button is held.
  if (ButtonsHeld(wparam) == 0 && ::GetCapture() == hwnd_) ::ReleaseCapture();
  if (!loaded_) return;  // releasing the capture may have let the form destroy us
  control_->HandleMouseUp(button, ShiftState(), static_cast<float>(GET_X_LPARAM(lparam)),
                          static_cast<float>(GET_Y_LPARAM(lparam)));
}

void ButtonWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (surface_) {
    if (!bufferDrawn_ && loaded_) {
      // The buffer was never drawn at this size: the paint notification fills it.
      surface_->SetInvalidateOnClear(false);
      control_->Paint();
      surface_->SetInvalidateOnClear(true);
    }
    bufferDrawn_ = true;
    surface_->CopyTo(dc);
  }
  EndPaint(hwnd_, &ps);
}

void ButtonWindow::Sized() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (surface_ && (client.right != surface_->Width() || client.bottom != surface_->Height())) {
    surface_->Resize(client.right, client.bottom);
    bufferDrawn_ = false;
  }
  if (!loaded_) return;
  control_->Resize();
  bufferDrawn_ = true;
}

void ButtonWindow::SyncWindowText() {
  // The window text is the caption: what a screen reader names the button by, and where
  // the dialog manager looks for access keys.
  if (!hwnd_ || !control_) return;
  const std::u16string& caption = control_->Caption();
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
  if (text.size() == caption.size() && std::equal(text.begin(), text.end(), caption.begin())) return;
  SetWindowTextW(hwnd_, reinterpret_cast<const wchar_t*>(caption.c_str()));
}

}  // namespace quillet::win32
