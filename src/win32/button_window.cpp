// The button window: its class, creation with the control's load, and the window
// procedure that turns messages into the control's notifications.
#include "win32/button_window.h"

#include <algorithm>

#include "QuilletButton.h"
#include "button/message_router.h"
#include "win32/button_dpi.h"
#include "win32/form_ambient.h"
#include "win32/twips.h"
#include "win32/window_buffer_surface.h"

namespace quillet::win32 {
namespace {

// The ButtonWindow CreateQuilletButton is making, handed to WM_NCCREATE; windows made any
// other way get a new one there.
thread_local ButtonWindow* pending_window = nullptr;

// The keyboard cues after WM_UPDATEUISTATE. UIS_INITIALIZE: hidden until the keyboard is
// used, unless the user asked to see them always.
WORD UpdatedUiState(WORD state, WPARAM wparam) {
  const WORD flags = HIWORD(wparam) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
  switch (LOWORD(wparam)) {
    case UIS_SET: return state | flags;
    case UIS_CLEAR: return state & ~flags;
    case UIS_INITIALIZE: {
      BOOL always = FALSE;
      SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0);
      return always ? 0 : (UISF_HIDEFOCUS | UISF_HIDEACCEL);
    }
    default: return state;
  }
}

}  // namespace

ButtonWindow* ButtonWindow::FromWindow(HWND window) {
  if (!window) return nullptr;
  wchar_t name[32] = {};
  if (!GetClassNameW(window, name, 32) || lstrcmpW(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<ButtonWindow*>(GetWindowLongPtrW(window, 0));
}

ButtonWindow::ButtonWindow(HWND form, int id, ButtonOptions options)
    : form_(form), id_(id), options_(std::move(options)) {
  ambient_["UserMode"] = options_.user_mode;
  if (!options_.name.empty()) ambient_["DisplayName"] = options_.name;
  ambient_["Font"] = AmbientFontOf(form);
  ambient_["DisplayAsDefault"] = false;
  ambient_["BackColor"] = static_cast<std::int32_t>(AmbientBackColorOf(form));
}

ButtonWindow::~ButtonWindow() {
  // The control unhooks itself on destruction and calls back into this host.
  control_.reset();
}

bool ButtonWindow::MakeControl(const PersistedPropertySet& properties) {
  // A new window starts with its parent's keyboard cues.
  uiState_ = static_cast<WORD>(SendMessageW(form_, WM_QUERYUISTATE, 0, 0));
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
  auto* self = new ButtonWindow(form, id, options);
  ButtonWindow::Hold hold(*self);  // the load may send messages; nothing is freed under our feet
  const ScreenDpi dpi = CurrentScreenDpi();
  pending_window = self;
  const HWND hwnd =
      CreateWindowExW(0, ButtonWindow::kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                      TwipsToPixels(placement.left, dpi.x), TwipsToPixels(placement.top, dpi.y),
                      TwipsToPixels(placement.width, dpi.x), TwipsToPixels(placement.height, dpi.y), form,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  pending_window = nullptr;
  if (!hwnd) {
    // Once WM_NCCREATE took the object, WM_NCDESTROY let it go; else it goes with the hold.
    self->windowGone_ = true;
    return nullptr;
  }
  if (!self->MakeControl(properties)) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (self->windowGone_) return nullptr;     // the load's messages let the form destroy it
  AnnounceChanges(*self, self->announced_);  // what the button starts as is no change
  return self;
}

LRESULT CALLBACK ButtonWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
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
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ButtonWindow*>(GetWindowLongPtrW(hwnd, 0));
  if (!self) return DefWindowProcW(hwnd, msg, wparam, lparam);
  Hold hold(*self);
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
    case WM_ENABLE:
      // Someone enabled the window directly: the property follows, and redraws.
      if (c && c->Enabled() != (wparam != 0)) c->Enabled(wparam != 0);
      return 0;
    case BM_CLICK:
      // How a dialog manager or a program presses a button. Like the system's button, it
      // takes the focus first; no other message runs before the click.
      if (c && c->Enabled() && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
      if (loaded_ && control_) control_->HandleClickMessage();
      return 0;
    case WM_GETDLGCODE: {
      // Arrows move the focus from inside the control; letters are access keys. A push
      // button's codes let the dialog manager move the default frame and press it on Enter;
      // in check-box mode the button is a check box, which never takes the default.
      const LRESULT arrows = DLGC_WANTARROWS | DLGC_BUTTON;
      if (c && c->CheckBoxMode()) return arrows;
      return arrows | (IsDefaultButton() ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && SetPointerShape()) return TRUE;
      break;
    case WM_GETOBJECT:
      if (const LRESULT object = AnswerGetObject(hwnd_, wparam, lparam)) return object;
      break;
    case WM_UPDATEUISTATE: {
      // Kept here too: not every system keeps it for child windows. The look follows it.
      uiState_ = UpdatedUiState(uiState_, wparam);
      const LRESULT result = DefWindowProcW(hwnd_, msg, wparam, lparam);
      if (c) c->Redraw();
      return result;
    }
    case WM_QUERYUISTATE: return uiState_;
    case kWmDpiChanged:
    case kWmDpiChangedAfterParent: ChangeDpi(DpiOfMessage(hwnd_, msg, wparam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_PRINTCLIENT: PrintClient(reinterpret_cast<HDC>(wparam)); return 0;
    case kPresentMessage:
      // Redraws happened: repaint only the pixels they changed.
      if (surface_) {
        if (const std::optional<RECT> changed = surface_->TakeChangedArea()) InvalidateRect(hwnd_, &*changed, FALSE);
      }
      return 0;
    case WM_SIZE: Sized(); return 0;
    case WM_WINDOWPOSCHANGED:
      // SetParent moves the window with a position change: it may now sit in another window.
      if (c) c->HandleContainerChanged();
      break;
    case WM_DESTROY:
      if (c) {
        c->HandleDestroy();
        loaded_ = false;
      }
      return 0;
    case WM_NCDESTROY:
      // Freed by the last Hold, once every message of this window has returned.
      SetWindowLongPtrW(hwnd_, 0, 0);
      hwnd_ = nullptr;
      windowGone_ = true;
      return 0;
    default:
      if (msg >= QBM_FIRST && msg <= QBM_LAST) return PropertyMessage(msg, wparam, lparam);
      // Input, focus, capture and the system's colour changes: the control's own routing.
      if (c && RouteButtonMessage(*c, msg, wparam, lparam)) return 0;
      break;
  }
  return DefWindowProcW(hwnd_, msg, wparam, lparam);
}

void ButtonWindow::PressAccessKey(wchar_t key) {
  Hold hold(*this);
  if (hwnd_ && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
  // Setting the focus ran the form's code, which may have destroyed the button.
  if (loaded_ && control_) control_->HandleAccessKey(static_cast<std::int16_t>(key));
}

// The buffer was never drawn at this size: the paint notification fills it, without asking
// for another paint.
void ButtonWindow::DrawBufferIfStale() {
  if (bufferDrawn_ || !loaded_) return;
  surface_->SetInvalidateOnClear(false);
  control_->Paint();
  surface_->SetInvalidateOnClear(true);
  bufferDrawn_ = true;
}

void ButtonWindow::PrintClient(HDC target) {
  if (!surface_ || !target) return;
  DrawBufferIfStale();
  surface_->PrintTo(target);
}

void ButtonWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  if (surface_) {
    DrawBufferIfStale();
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
