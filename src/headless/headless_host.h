// src/headless: stand-in hosts that run the control without Windows: a form that routes
// messages, a host that draws on the raster, a surface that records calls. It may include the
// portable core, formats/ and raster/, never a Windows header.
//
// HeadlessHost: a ControlHost without Windows, for tests and tools. It hosts one
// QuilletButton on a HeadlessForm, draws it on a RasterSurface, writes down everything the
// control asks of it (a journal of readable lines plus typed records), and delivers input
// as window messages through the form, so they pass the control's hooks the way Windows
// routes them: the host's own handling of a message (its "window procedure") runs below
// the hooks.
//
// Units: the outer size is kept in twips as set; the client size in pixels is the twips
// divided by 15, rounded (96 dots per inch).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "button/control_host.h"
#include "button/quillet_button.h"
#include "headless/headless_form.h"
#include "raster/raster_surface.h"
#include "headless/recording_surface.h"

namespace quillet {

struct RecordedEvent {
  std::int32_t number = 0;
  std::string name;  // "Click", "MouseMove", ...
  std::vector<EventArgument> arguments;
};

// Where the control sits on the form: top-left in form pixels, size in twips.
struct HeadlessPlacement {
  std::int32_t left = 20;
  std::int32_t top = 20;
  std::int32_t width_twips = 1500;  // 100 pixels
  std::int32_t height_twips = 450;  // 30 pixels
};

// Name of event `number`, "Event7" style for unknown numbers.
std::string EventName(std::int32_t number);

class HeadlessHost : public ControlHost {
 public:
  explicit HeadlessHost(HeadlessForm& form, HeadlessPlacement placement = {});
  ~HeadlessHost() override;
  HeadlessHost(const HeadlessHost&) = delete;
  HeadlessHost& operator=(const HeadlessHost&) = delete;

  // --- Lifecycle of the hosted control ---
  QuilletButton& Create();  // constructs the control and runs HandleCreate
  QuilletButton& Control() { return *control_; }
  bool HasControl() const { return control_ != nullptr; }
  void PlaceNew() { control_->HandleFirstPlacement(); }
  void Load(const PersistedPropertySet& set) { control_->HandleLoad(set); }
  PersistedPropertySet Save();
  // HandleDestroy, then the control and its window go away.
  void Destroy();

  // --- Driving input (pointer coordinates are client pixels of the control) ---
  void MovePointerTo(std::int32_t x, std::int32_t y);
  // Moves the pointer onto the form, outside the control.
  void MovePointerAway();
  void PressButton(std::int16_t button = kLeftButton);
  void ReleaseButton(std::int16_t button = kLeftButton);
  void Click(std::int16_t button = kLeftButton);
  // Down, up, double click, up: the message sequence of a double click.
  void DoubleClick();
  void KeyDown(std::int16_t key_code, std::int16_t shift = 0, bool repeat = false);
  void KeyUp(std::int16_t key_code, std::int16_t shift = 0);
  void AccessKey(std::int16_t char_code) { control_->HandleAccessKey(char_code); }
  void Focus() { form_.SetFocus(window_); }
  // Changes an ambient value and tells the control (HandleAmbientChange).
  void ChangeAmbient(std::string_view name, PropertyValue value);
  void SetAmbient(std::string_view name, PropertyValue value) { ambient_[std::string(name)] = std::move(value); }
  // The form resizes the control: new outer size, then the resize notification.
  void ResizeTo(std::int32_t width_twips, std::int32_t height_twips);
  void PaintNow() { form_.Send(window_, kWmPaint, 0, 0); }

  // --- What the control asked for ---
  std::vector<std::string> journal;
  std::vector<RecordedEvent> events;
  std::vector<std::string> changes;      // property-change notifications, in order
  std::vector<std::uint32_t> passed_on;  // messages left to the window's default handling
  std::vector<std::pair<TrackService, TrackMouseEventRequest>> track_requests;
  std::vector<CursorHandle> cursors_set;
  std::vector<std::pair<std::u16string, std::u16string>> message_boxes;  // text, title
  int do_events_count = 0;
  int refresh_count = 0;

  void ClearRecords();
  std::vector<std::string> EventNames() const;
  // Journal lines that start with `prefix`, and how many there are.
  std::vector<std::string> JournalLines(std::string_view prefix) const;
  int Count(std::string_view prefix) const { return static_cast<int>(JournalLines(prefix).size()); }
  int RedrawCount() const { return recorder_.ClsCount(); }
  const std::vector<RegionShape>& Regions() const { return recorder_.Regions(); }

  // --- Configuration ---
  // Called for every raised event, after it is recorded (a form's handler).
  std::function<void(const RecordedEvent&)> on_event;
  // Services named here throw HostError ("ContainerProperty", "SetMouseIcon", ...).
  std::set<std::string> failing_services;
  std::uint32_t platform_id = kVerPlatformWin32Nt;
  bool hand_cursor_available = true;
  // Libraries mapped in the process (GetModuleHandle finds them), libraries LoadLibrary can
  // map, and what each exports. By default user32 is mapped and exports TrackMouseEvent,
  // comctl32 can be loaded and exports _TrackMouseEvent. Names match without regard to case.
  std::set<std::string> resident_libraries{"user32"};
  std::set<std::string> loadable_libraries{"comctl32"};
  std::map<std::string, std::set<std::string>> exports{{"user32", {"TrackMouseEvent"}},
                                                       {"comctl32", {"_TrackMouseEvent"}}};
  // Shift state (1 Shift, 2 Ctrl, 4 Alt) reported with mouse and key notifications.
  std::int16_t shift_state = 0;
  // The system's high contrast, and the form's hidden keyboard cues (WM_QUERYUISTATE).
  bool high_contrast = false;
  bool hide_focus_cue = false;
  bool hide_access_key_cue = false;

  HeadlessForm& Form() { return form_; }
  RasterSurface& Raster() { return raster_; }
  RecordingSurface& Recorder() { return recorder_; }
  std::shared_ptr<Font> AmbientFontObject() const { return ambientFont_; }

  // --- ControlHost ---
  Surface& DrawingSurface() override { return recorder_; }
  double ScaleWidth() override { return raster_.Width(); }
  double ScaleHeight() override { return raster_.Height(); }
  double ScaleX(double himetric) override { return himetric * 96.0 / 2540.0; }
  void Refresh() override;
  std::int32_t Width() override { return widthTwips_; }
  std::int32_t Height() override { return heightTwips_; }
  void SetWidth(std::int32_t twips) override;
  void SetHeight(std::int32_t twips) override;
  WindowHandle Window() override { return window_; }
  bool WindowEnabled() override { return form_.IsWindowEnabled(window_); }
  void SetWindowEnabled(bool enabled) override;
  std::int16_t MousePointer() override { return mousePointer_; }
  void SetMousePointer(std::int16_t code) override;
  PicturePtr MouseIcon() override { return mouseIcon_; }
  void SetMouseIcon(PicturePtr picture) override;
  std::u16string AccessKeys() override { return accessKeys_; }
  void SetAccessKeys(std::u16string keys) override { accessKeys_ = std::move(keys); }
  PropertyValue Ambient(std::string_view name) override;
  WindowHandle ContainerWindow() override;
  PropertyValue ContainerProperty(std::string_view name) override;
  void RaiseEvent(std::int32_t number, std::span<EventArgument> arguments) override;
  void PropertyChanged(std::string_view name) override;
  void MoveFocusToTabStop(bool previous) override;
  void TakeFocus() override;
  std::int16_t ShiftState() override { return shift_state; }
  bool HighContrast() override { return high_contrast; }
  bool FocusCueHidden() override { return hide_focus_cue; }
  bool AccessKeyCueHidden() override { return hide_access_key_cue; }
  void DoEvents() override;
  void ShowMessageBox(std::u16string_view text, std::u16string_view title) override;
  std::uint32_t PlatformId() override;
  CursorHandle LoadSystemCursor(std::int32_t id) override;
  void SetCursor(CursorHandle cursor) override;
  Point CursorPosition() override { return form_.Cursor(); }
  WindowHandle WindowFromPoint(Point screen) override { return form_.WindowFromPoint(screen); }
  void SetCapture(WindowHandle window) override;
  WindowHandle GetCapture() override { return form_.Capture(); }
  void ReleaseCapture() override;
  ModuleHandle GetModuleHandleA(std::string_view library) override;
  ModuleHandle LoadLibraryA(std::string_view library) override;
  std::uintptr_t GetProcAddress(ModuleHandle module, std::string_view function) override;
  void FreeLibrary(ModuleHandle module) override;
  bool TrackMouseEvent(TrackService service, const TrackMouseEventRequest& request) override;
  PreviousProcedure InstallWindowHook(WindowHandle window, std::shared_ptr<WindowHook> hook) override;
  void RemoveWindowHook(WindowHandle window, PreviousProcedure previous) override;

 private:
  MessageResult OwnProcedure(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam);
  void MaybeFail(const char* service) const;
  void Write(std::string entry) { journal.push_back(std::move(entry)); }
  void ApplySize();
  WParam KeyState() const;

  HeadlessForm& form_;
  HeadlessPlacement placement_;
  std::int32_t widthTwips_;
  std::int32_t heightTwips_;
  RasterSurface raster_;
  RecordingSurface recorder_;
  WindowHandle window_ = 0;
  std::unique_ptr<QuilletButton> control_;
  std::shared_ptr<Font> ambientFont_;
  std::map<std::string, PropertyValue> ambient_;
  std::int16_t mousePointer_ = 0;
  PicturePtr mouseIcon_;
  std::u16string accessKeys_;
  std::int16_t buttonsHeld_ = 0;
  std::map<ModuleHandle, std::string> modules_;  // handle -> lower-case library name
};

}  // namespace quillet
