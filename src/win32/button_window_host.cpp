// ButtonWindow's services to its control: surface and sizes, ambient values, events,
// keystrokes and the message pump, and the user32/kernel32 calls hover tracking makes.
#include <windows.h>

#include <algorithm>
#include <string>

#include "win32/button_window.h"
#include "win32/form_ambient.h"
#include "win32/form_messages.h"
#include "win32/system_libraries.h"
#include "win32/twips.h"
#include "win32/window_buffer_surface.h"
#include "win32/window_hooks.h"

namespace quillet::win32 {
namespace {

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
const wchar_t* Wide(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

bool SameName(std::string_view a, std::string_view b) { return PersistedPropertySet::KeysMatch(a, b); }

// The shapes of the pointer codes (0 is the class's own arrow, 99 the custom picture).
LPCSTR CursorForCode(std::int16_t code) {
  switch (code) {
    case 1: return IDC_ARROW;
    case 2: return IDC_CROSS;
    case 3: return IDC_IBEAM;
    case 4: return IDC_ICON;
    case 5:
    case 15: return IDC_SIZEALL;
    case 6: return IDC_SIZENESW;
    case 7: return IDC_SIZENS;
    case 8: return IDC_SIZENWSE;
    case 9: return IDC_SIZEWE;
    case 10: return IDC_UPARROW;
    case 11: return IDC_WAIT;
    case 12: return IDC_NO;
    case 13: return IDC_APPSTARTING;
    case 14: return IDC_HELP;
    default: return nullptr;
  }
}

bool IsDialog(HWND window) {
  wchar_t name[8] = {};
  return GetClassNameW(window, name, 8) && lstrcmpW(name, L"#32770") == 0;
}

}  // namespace

// --- What the forms use ---

void ButtonWindow::SetCaption(std::u16string caption) {
  if (control_) control_->Caption(std::move(caption));
}

std::u16string ButtonWindow::Caption() const { return control_ ? control_->Caption() : std::u16string(); }

void ButtonWindow::SetEnabled(bool enabled) {
  if (control_) control_->Enabled(enabled);
}

bool ButtonWindow::Enabled() const { return control_ && control_->Enabled(); }

void ButtonWindow::ChangeAmbient(std::string_view name, PropertyValue value) {
  auto it = ambient_.begin();
  while (it != ambient_.end() && !SameName(it->first, name)) ++it;
  if (it != ambient_.end()) {
    it->second = std::move(value);
  } else {
    ambient_.emplace(std::string(name), std::move(value));
  }
  if (loaded_) control_->HandleAmbientChange(name);
}

PersistedPropertySet ButtonWindow::Save() {
  PersistedPropertySet set;
  if (control_) control_->HandleSave(set);
  return set;
}

bool ButtonWindow::SetPointerShape() {
  if (mousePointer_ == 99) {
    if (!mouseIcon_ || mouseIcon_->Type() != PictureType::Icon) return false;
    ::SetCursor(reinterpret_cast<HCURSOR>(mouseIcon_->Handle()));
    return true;
  }
  const LPCSTR shape = CursorForCode(mousePointer_);
  if (!shape) {
    // Keep the hand the control sets on every move, rather than flickering to the arrow.
    if (!loaded_ || !control_->HandPointer() || control_->HandCursor() == 0) return false;
    ::SetCursor(reinterpret_cast<HCURSOR>(control_->HandCursor()));
    return true;
  }
  ::SetCursor(LoadCursorA(nullptr, shape));
  return true;
}

// --- Surface and sizes ---

Surface& ButtonWindow::DrawingSurface() {
  if (!surface_) throw HostError("the button window has no drawing surface");
  return *surface_;
}

double ButtonWindow::ScaleWidth() {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.right;
}

double ButtonWindow::ScaleHeight() {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.bottom;
}

double ButtonWindow::ScaleX(double himetric) { return himetric * CurrentScreenDpi().x / 2540.0 * DpiScale(); }

void ButtonWindow::Refresh() {
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
}

std::int32_t ButtonWindow::Width() {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return PixelsToTwips(r.right - r.left, CurrentScreenDpi().x);
}

std::int32_t ButtonWindow::Height() {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return PixelsToTwips(r.bottom - r.top, CurrentScreenDpi().y);
}

void ButtonWindow::SetWidth(std::int32_t twips) {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, TwipsToPixels(twips, CurrentScreenDpi().x), r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ButtonWindow::SetHeight(std::int32_t twips) {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, TwipsToPixels(twips, CurrentScreenDpi().y),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ButtonWindow::WindowEnabled() { return IsWindowEnabled(hwnd_) != FALSE; }

void ButtonWindow::SetWindowEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

// --- The containing form ---

PropertyValue ButtonWindow::Ambient(std::string_view name) {
  for (const auto& [key, value] : ambient_) {
    if (SameName(key, name)) return value;
  }
  // Unnamed, it is named as a designer numbers the button it just placed: by the count of
  // the form's buttons, itself included. Counted when first asked (few hosts ever ask), then kept.
  if (SameName(name, "DisplayName")) {
    int count = 0;
    for (HWND child = FindWindowExW(form_, nullptr, kClassName, nullptr); child;
         child = FindWindowExW(form_, child, kClassName, nullptr))
      ++count;
    return ambient_["DisplayName"] = QuilletButton::NameOnForm(std::max(count, 1));
  }
  return {};
}

WindowHandle ButtonWindow::ContainerWindow() { return reinterpret_cast<WindowHandle>(ActivationWindowOf(Form())); }

bool ButtonWindow::ContainerActive() {
  const HWND container = ActivationWindowOf(Form());
  if (!IsMdiChild(container)) return GetActiveWindow() == container;
  return reinterpret_cast<HWND>(SendMessageW(GetParent(container), WM_MDIGETACTIVE, 0, 0)) == container;
}

PropertyValue ButtonWindow::ContainerProperty(std::string_view name) {
  if (SameName(name, "MDIChild")) return IsMdiChild(ActivationWindowOf(Form()));
  throw HostError("the form has no property " + std::string(name));
}

// --- Services to the form ---

void ButtonWindow::RaiseEvent(std::int32_t number, std::span<EventArgument> arguments) {
  if (eventHandler_) eventHandler_(static_cast<ButtonEvent>(number), arguments);
  if (number == static_cast<std::int32_t>(ButtonEvent::Click) && hwnd_) {
    SendMessageW(Form(), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd_));
  } else {
    NotifyParent(static_cast<ButtonEvent>(number), arguments);
  }
}

void ButtonWindow::PropertyChanged(std::string_view name) {
  if (SameName(name, "Caption")) SyncWindowText();
  if (loaded_) AnnounceChanges(*this, announced_);
}

void ButtonWindow::MoveFocusToTabStop(bool previous) {
  // The tab order the button is in: a child dialog or panel marked WS_EX_CONTROLPARENT is
  // part of its parent's order.
  HWND container = Form();
  while ((GetWindowLongPtrW(container, GWL_STYLE) & WS_CHILD) &&
         (GetWindowLongPtrW(container, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) {
    const HWND parent = GetParent(container);
    if (!parent) break;
    container = parent;
  }
  const HWND next = GetNextDlgTabItem(container, hwnd_, previous ? TRUE : FALSE);
  if (!next || next == hwnd_) return;
  // A dialog moves the default frame along with the focus.
  if (IsDialog(container)) {
    SendMessageW(container, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
  } else {
    ::SetFocus(next);
  }
}

void ButtonWindow::TakeFocus() {
  if (hwnd_ && ::GetFocus() != hwnd_) ::SetFocus(hwnd_);
}

std::int16_t ButtonWindow::ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

bool ButtonWindow::HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool ButtonWindow::FocusCueHidden() { return (uiState_ & UISF_HIDEFOCUS) != 0; }

bool ButtonWindow::AccessKeyCueHidden() { return (uiState_ & UISF_HIDEACCEL) != 0; }

void ButtonWindow::DoEvents() { PumpPendingMessages(); }

void ButtonWindow::ShowMessageBox(std::u16string_view text, std::u16string_view title) {
  const std::u16string t(text), c(title);
  MessageBoxW(form_, Wide(t), Wide(c), MB_OK | MB_ICONINFORMATION);
}

// --- Platform services ---

std::uint32_t ButtonWindow::PlatformId() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148
  if (!GetVersionExA(&info)) throw HostError("GetVersionExA failed");
  return info.dwPlatformId;
}

CursorHandle ButtonWindow::LoadSystemCursor(std::int32_t id) {
  return reinterpret_cast<CursorHandle>(::LoadCursorA(nullptr, MAKEINTRESOURCEA(id)));
}

void ButtonWindow::SetCursor(CursorHandle cursor) { ::SetCursor(reinterpret_cast<HCURSOR>(cursor)); }

Point ButtonWindow::CursorPosition() {
  POINT p{};
  ::GetCursorPos(&p);
  return Point{p.x, p.y};
}

WindowHandle ButtonWindow::WindowFromPoint(Point screen) {
  return reinterpret_cast<WindowHandle>(::WindowFromPoint(POINT{screen.x, screen.y}));
}

void ButtonWindow::SetCapture(WindowHandle window) { ::SetCapture(ToHwnd(window)); }

WindowHandle ButtonWindow::GetCapture() { return reinterpret_cast<WindowHandle>(::GetCapture()); }

void ButtonWindow::ReleaseCapture() { ::ReleaseCapture(); }

ModuleHandle ButtonWindow::GetModuleHandleA(std::string_view library) {
  return reinterpret_cast<ModuleHandle>(::GetModuleHandleA(std::string(library).c_str()));
}

// From the system folder only: a DLL of that name beside the program must never load.
ModuleHandle ButtonWindow::LoadLibraryA(std::string_view library) {
  std::wstring name(library.begin(), library.end());
  if (name.find(L'.') == std::wstring::npos) name += L".dll";
  return reinterpret_cast<ModuleHandle>(wendral::win32::LoadSystemLibrary(name.c_str()));
}

std::uintptr_t ButtonWindow::GetProcAddress(ModuleHandle module, std::string_view function) {
  return reinterpret_cast<std::uintptr_t>(
      ::GetProcAddress(reinterpret_cast<HMODULE>(module), std::string(function).c_str()));
}

void ButtonWindow::FreeLibrary(ModuleHandle module) { ::FreeLibrary(reinterpret_cast<HMODULE>(module)); }

bool ButtonWindow::TrackMouseEvent(TrackService service, const TrackMouseEventRequest& request) {
  using TrackProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  // Resolved once: user32 is always mapped; comctl32 stays loaded for the process.
  static const auto user32 = reinterpret_cast<TrackProc>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32"), "TrackMouseEvent")));
  static const auto comctl32 = [] {
    HMODULE module = ::GetModuleHandleA("comctl32");
    if (!module) module = wendral::win32::LoadSystemLibrary(L"comctl32.dll");
    return reinterpret_cast<TrackProc>(
        reinterpret_cast<void*>(module ? ::GetProcAddress(module, "_TrackMouseEvent") : nullptr));
  }();
  const TrackProc track = service == TrackService::User32 ? user32 : comctl32;
  if (!track) return false;
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof tme;  // 16 on the 32-bit target
  tme.dwFlags = request.dwFlags;
  tme.hwndTrack = ToHwnd(request.hwndTrack);
  tme.dwHoverTime = request.dwHoverTime;
  return track(&tme) != FALSE;
}

PreviousProcedure ButtonWindow::InstallWindowHook(WindowHandle window, std::shared_ptr<WindowHook> hook) {
  return InstallHook(ToHwnd(window), std::move(hook));
}

void ButtonWindow::RemoveWindowHook(WindowHandle window, PreviousProcedure previous) {
  RemoveHook(ToHwnd(window), previous);
}

}  // namespace quillet::win32
