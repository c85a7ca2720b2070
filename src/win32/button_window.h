// src/win32: the real platform behind the core's interfaces: the advapi32 registry, the
// kernel32 profile functions and code pages, the GDI surface, the control's window, form
// hosting and the DLL search. The only library folder that includes Windows headers; it may
// include the core, formats/ and raster/, never a program's folder.
//
// A QuilletButton on a real window: the button is a child window of the registered class
// "QuilletButton" (include/QuilletButton.h) and ButtonWindow is its ControlHost. A window
// of the class made by CreateWindowEx or a dialog template gets its ButtonWindow on
// creation and is driven by the messages of that header (button_window_messages.cpp).
//
// For the program's forms:
//
//   PersistedPropertySet props;                   // what the form stores for its button
//   props.Put("buttonstyle", std::int32_t{2});
//   props.Put("caption", std::u16string(u"确认修改"));
//   ButtonWindow* ok = CreateQuilletButton(form, IDC_APPLY, {1057, 2280, 2535, 495}, props,
//                                          {.name = u"ApplyButton"});
//   ok->SetCaption(u"下一步");  ok->SetEnabled(false);
//
// Click reaches the form as WM_COMMAND with MAKEWPARAM(id, BN_CLICKED) and the button's
// window as lParam, sent while the control raises it. SetEventHandler receives every event
// with its arguments (Click included) for forms that want more.
//
// The window owns its ButtonWindow, kept in the class's window bytes (GWLP_USERDATA stays
// the program's): it is freed after the window is destroyed (by DestroyWindow on it or on
// the form), never while one of its own messages is still being handled, so a Click handler
// may close the form. Keep the HWND, or look the object up again with FromWindow, rather
// than holding the pointer across the window's death.
//
// Threads: each button belongs to the thread that made it, as its window does; buttons of
// different threads share nothing but the class registration.
//
// Keyboard: run the form's messages through TranslateFormMessage (form_messages.h) for
// TAB, Shift+TAB and access keys.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "button/button_types.h"
#include "button/control_host.h"
#include "button/persisted_property_set.h"
#include "button/quillet_button.h"
#include "win32/button_accessible.h"

namespace quillet::win32 {

class WindowBufferSurface;

// Position and size in twips, from the top-left corner of the form's client area.
struct TwipsRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 1500;
  std::int32_t height = 450;
};

struct ButtonOptions {
  // The control's name on its form (the ambient display name); empty names it as a designer
  // names a button it just placed: QuilletButton::NameOnForm of the form's count of buttons.
  std::u16string name;
  // False hosts the control as in a designer: no hooks, no hand pointer.
  bool user_mode = true;
};

class ButtonWindow final : public ControlHost {
 public:
  using EventHandler = std::function<void(ButtonEvent event, std::span<EventArgument> arguments)>;

  static constexpr const wchar_t* kClassName = L"QuilletButton";
  // The window bytes of the class: the ButtonWindow of the window at offset 0.
  static constexpr int kWindowBytes = sizeof(ButtonWindow*);

  // The ButtonWindow of a window of this class, or null.
  static ButtonWindow* FromWindow(HWND window);

  HWND Handle() const { return hwnd_; }
  // The parent and control id the window has now: a program may move it (SetParent) or
  // renumber it (GWLP_ID), and its notifications follow, as the system's button's do.
  HWND Form() const { return hwnd_ ? GetParent(hwnd_) : form_; }
  int Id() const { return hwnd_ ? GetDlgCtrlID(hwnd_) : id_; }
  // The hosted control; null once the window is being destroyed.
  QuilletButton* Control() { return control_.get(); }

  // What the program's forms use at run time.
  void SetCaption(std::u16string caption);
  std::u16string Caption() const;
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void SetEventHandler(EventHandler handler) { eventHandler_ = std::move(handler); }

  // Sets one of the form's ambient values for this button ("DisplayAsDefault", "BackColor",
  // "Font", ...) and tells the control, as a form does when its own value changes.
  void ChangeAmbient(std::string_view name, PropertyValue value);
  // The control's current properties, as the form would store them.
  PersistedPropertySet Save();
  // Sets every property from `properties`, those absent to their defaults (QBM_LOADTEXT).
  void Load(const PersistedPropertySet& properties);
  // BS_DEFPUSHBUTTON: the dialog manager's default button, drawn with the default frame.
  bool IsDefaultButton() const;
  // The form's access key for this button (TranslateFormMessage): focus, then the control's
  // handler. The Click it raises may close the form; this object survives the call.
  void PressAccessKey(wchar_t key);

  // --- ControlHost ---
  Surface& DrawingSurface() override;
  double ScaleWidth() override;
  double ScaleHeight() override;
  double ScaleX(double himetric) override;
  double DpiScale() override;
  void Refresh() override;
  std::int32_t Width() override;
  std::int32_t Height() override;
  void SetWidth(std::int32_t twips) override;
  void SetHeight(std::int32_t twips) override;
  WindowHandle Window() override { return reinterpret_cast<WindowHandle>(hwnd_); }
  bool WindowEnabled() override;
  void SetWindowEnabled(bool enabled) override;
  std::int16_t MousePointer() override { return mousePointer_; }
  void SetMousePointer(std::int16_t code) override { mousePointer_ = code; }
  PicturePtr MouseIcon() override { return mouseIcon_; }
  void SetMouseIcon(PicturePtr picture) override { mouseIcon_ = std::move(picture); }
  std::u16string AccessKeys() override { return accessKeys_; }
  void SetAccessKeys(std::u16string keys) override { accessKeys_ = std::move(keys); }
  PropertyValue Ambient(std::string_view name) override;
  // The window whose activation the button follows: the MDI child or top-level window
  // around its parent, which may itself be a child window (a panel, a property page).
  WindowHandle ContainerWindow() override;
  bool ContainerActive() override;
  PropertyValue ContainerProperty(std::string_view name) override;
  void RaiseEvent(std::int32_t number, std::span<EventArgument> arguments) override;
  void PropertyChanged(std::string_view name) override;
  void MoveFocusToTabStop(bool previous) override;
  void TakeFocus() override;
  std::int16_t ShiftState() override;
  bool HighContrast() override;
  bool FocusCueHidden() override;
  bool AccessKeyCueHidden() override;
  void DoEvents() override;
  void ShowMessageBox(std::u16string_view text, std::u16string_view title) override;
  std::uint32_t PlatformId() override;
  CursorHandle LoadSystemCursor(std::int32_t id) override;
  void SetCursor(CursorHandle cursor) override;
  Point CursorPosition() override;
  WindowHandle WindowFromPoint(Point screen) override;
  void SetCapture(WindowHandle window) override;
  WindowHandle GetCapture() override;
  void ReleaseCapture() override;
  ModuleHandle GetModuleHandleA(std::string_view library) override;
  ModuleHandle LoadLibraryA(std::string_view library) override;
  std::uintptr_t GetProcAddress(ModuleHandle module, std::string_view function) override;
  void FreeLibrary(ModuleHandle module) override;
  bool TrackMouseEvent(TrackService service, const TrackMouseEventRequest& request) override;
  PreviousProcedure InstallWindowHook(WindowHandle window, std::shared_ptr<WindowHook> hook) override;
  void RemoveWindowHook(WindowHandle window, PreviousProcedure previous) override;

  ~ButtonWindow() override;

  // The window procedure of the class.
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

 private:
  friend ButtonWindow* CreateQuilletButton(HWND, int, const TwipsRect&, const PersistedPropertySet&,
                                           const ButtonOptions&);
  ButtonWindow(HWND form, int id, ButtonOptions options);
  ButtonWindow(const ButtonWindow&) = delete;
  ButtonWindow& operator=(const ButtonWindow&) = delete;

  // Keeps the object while code of it is on the stack; the last hold of a window that is
  // gone frees it.
  class Hold {
   public:
    explicit Hold(ButtonWindow& window) : window_(window) { ++window_.holds_; }
    ~Hold() {
      if (--window_.holds_ == 0 && window_.windowGone_) delete &window_;
    }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    ButtonWindow& window_;
  };

  LRESULT HandleMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  // The class's message interface (button_window_messages.cpp).
  LRESULT ClassMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT PropertyMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  // Makes the drawing surface and the control and loads it; false leaves no control.
  bool MakeControl(const PersistedPropertySet& properties);
  // A window made by CreateWindowEx or a dialog: text, style bits and parent's font.
  bool CreateFromStruct(const CREATESTRUCTW& create);
  void NotifyParent(ButtonEvent event, std::span<EventArgument> arguments);
  void Paint();
  void DrawBufferIfStale();
  // WM_PRINTCLIENT: the button as it looks now, into the caller's DC.
  void PrintClient(HDC target);
  // The font of WM_SETFONT, used at its size; null: the form's font, following the monitor.
  void SetFontHandle(HFONT font);
  void Sized();
  bool SetPointerShape();
  void SyncWindowText();
  // Draws for a monitor of `dpi` (0: unchanged); button_dpi.cpp.
  void ChangeDpi(UINT dpi);

  HWND form_;
  int id_;
  // Made by CreateWindowEx or a dialog rather than CreateQuilletButton: loads on WM_CREATE.
  bool madeByClass_ = false;
  HFONT fontHandle_ = nullptr;
  ButtonOptions options_;
  HWND hwnd_ = nullptr;
  bool windowMade_ = false;
  bool windowGone_ = false;  // WM_NCDESTROY came: freed with the last Hold
  int holds_ = 0;
  WORD uiState_ = 0;  // UISF_HIDEFOCUS, UISF_HIDEACCEL: keyboard cues the form hides
  std::unique_ptr<WindowBufferSurface> surface_;
  std::unique_ptr<QuilletButton> control_;
  bool loaded_ = false;
  bool bufferDrawn_ = false;
  std::map<std::string, PropertyValue, std::less<>> ambient_;
  std::int16_t mousePointer_ = 0;
  PicturePtr mouseIcon_;
  std::u16string accessKeys_;
  EventHandler eventHandler_;
  AnnouncedState announced_;
};

// Creates the button window on `form` with control id `id`, creates the control and loads
// it from `properties`. Answers null (and leaves no window) when the window or the load
// fails. Never throws.
ButtonWindow* CreateQuilletButton(HWND form, int id, const TwipsRect& placement, const PersistedPropertySet& properties,
                                  const ButtonOptions& options = {});

}  // namespace quillet::win32
