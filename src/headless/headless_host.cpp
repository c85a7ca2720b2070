#include "headless/headless_host.h"

#include <algorithm>
#include <cstdio>

#include "button/message_router.h"
#include "button/primitives.h"

namespace quillet {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string Ascii(std::u16string_view s) {
  std::string out;
  for (char16_t c : s) out += c < 0x80 ? static_cast<char>(c) : '?';
  return out;
}

std::string Hex(std::uintptr_t v) {
  char text[24];
  std::snprintf(text, sizeof text, "%#llx", static_cast<unsigned long long>(v));
  return text;
}

std::string DescribeArgument(const EventArgument& a) {
  char text[32];
  if (auto* i = std::get_if<std::int16_t>(&a)) {
    std::snprintf(text, sizeof text, "%d", *i);
  } else {
    std::snprintf(text, sizeof text, "%g", static_cast<double>(std::get<float>(a)));
  }
  return text;
}

}  // namespace

std::string EventName(std::int32_t number) {
  static const char* const kNames[] = {"Click",   "DblClick",  "MouseEnter", "MouseLeave", "MouseMove",
                                       "MouseUp", "MouseDown", "KeyDown",    "KeyUp",      "KeyPress"};
  if (number >= 1 && number <= 10) return kNames[number - 1];
  return "Event" + std::to_string(number);
}

HeadlessHost::HeadlessHost(HeadlessForm& form, HeadlessPlacement placement)
    : form_(form),
      placement_(placement),
      widthTwips_(placement.width_twips),
      heightTwips_(placement.height_twips),
      raster_(RoundHalfEven(placement.width_twips / 15.0), RoundHalfEven(placement.height_twips / 15.0)),
      recorder_(raster_, [this](const std::string& entry) { Write(entry); }),
      ambientFont_(std::make_shared<Font>(FontDescription{})) {
  window_ = form_.CreateChildWindow(
      Rect{placement.left, placement.top, placement.left + raster_.Width(), placement.top + raster_.Height()},
      [this](WindowHandle h, std::uint32_t m, WParam w, LParam l) { return OwnProcedure(h, m, w, l); });
  ambient_["UserMode"] = true;
  ambient_["DisplayName"] = QuilletButton::NameOnForm(form_.NextButtonOrdinal());
  ambient_["Font"] = ambientFont_;
  ambient_["DisplayAsDefault"] = false;
  ambient_["BackColor"] = static_cast<std::int32_t>(0x8000000F);
}

HeadlessHost::~HeadlessHost() {
  control_.reset();
  form_.DestroyWindow(window_);
}

QuilletButton& HeadlessHost::Create() {
  control_ = std::make_unique<QuilletButton>(*this);
  control_->HandleCreate();
  return *control_;
}

PersistedPropertySet HeadlessHost::Save() {
  PersistedPropertySet set;
  control_->HandleSave(set);
  return set;
}

void HeadlessHost::Destroy() {
  if (!control_) return;
  control_->HandleDestroy();
  control_.reset();
  form_.DestroyWindow(window_);
}

// --- Driving input ---

WParam HeadlessHost::KeyState() const {
  WParam state = 0;
  if (buttonsHeld_ & kLeftButton) state |= kMkLButton;
  if (buttonsHeld_ & kRightButton) state |= kMkRButton;
  if (buttonsHeld_ & kMiddleButton) state |= kMkMButton;
  if (shift_state & kShiftMask) state |= kMkShift;
  if (shift_state & kCtrlMask) state |= kMkControl;
  return state;
}

void HeadlessHost::MovePointerTo(std::int32_t x, std::int32_t y) {
  const Rect b = form_.WindowBounds(window_);
  form_.MovePointer(Point{b.left + x, b.top + y}, KeyState());
  form_.PumpAll();
}

void HeadlessHost::MovePointerAway() {
  const Rect b = form_.WindowBounds(window_);
  form_.MovePointer(Point{b.right + 40, b.bottom + 40}, KeyState());
  form_.PumpAll();
}

void HeadlessHost::PressButton(std::int16_t button) {
  buttonsHeld_ = static_cast<std::int16_t>(buttonsHeld_ | button);
  const std::uint32_t msg = button == kLeftButton    ? kWmLButtonDown
                            : button == kRightButton ? kWmRButtonDown
                                                     : kWmMButtonDown;
  const Rect b = form_.WindowBounds(window_);
  const Point p = form_.Cursor();
  form_.Send(window_, msg, KeyState(), MakeLParam(p.x - b.left, p.y - b.top));
  form_.PumpAll();
}

void HeadlessHost::ReleaseButton(std::int16_t button) {
  buttonsHeld_ = static_cast<std::int16_t>(buttonsHeld_ & ~button);
  const std::uint32_t msg = button == kLeftButton ? kWmLButtonUp : button == kRightButton ? kWmRButtonUp : kWmMButtonUp;
  const Rect b = form_.WindowBounds(window_);
  const Point p = form_.Cursor();
  form_.Send(window_, msg, KeyState(), MakeLParam(p.x - b.left, p.y - b.top));
  form_.PumpAll();
}

void HeadlessHost::Click(std::int16_t button) {
  PressButton(button);
  ReleaseButton(button);
}

void HeadlessHost::DoubleClick() {
  PressButton(kLeftButton);
  ReleaseButton(kLeftButton);
  const Rect b = form_.WindowBounds(window_);
  const Point p = form_.Cursor();
  buttonsHeld_ = static_cast<std::int16_t>(buttonsHeld_ | kLeftButton);
  form_.Send(window_, kWmLButtonDblClk, KeyState(), MakeLParam(p.x - b.left, p.y - b.top));
  form_.PumpAll();
  ReleaseButton(kLeftButton);
}

void HeadlessHost::KeyDown(std::int16_t key_code, std::int16_t shift, bool repeat) {
  shift_state = shift;
  form_.Send(window_, kWmKeyDown, static_cast<WParam>(key_code), repeat ? kKeyWasDown : 0);
  form_.PumpAll();
}

void HeadlessHost::KeyUp(std::int16_t key_code, std::int16_t shift) {
  shift_state = shift;
  form_.Send(window_, kWmKeyUp, static_cast<WParam>(key_code), 0);
  form_.PumpAll();
}

void HeadlessHost::ChangeAmbient(std::string_view name, PropertyValue value) {
  SetAmbient(name, std::move(value));
  if (control_) control_->HandleAmbientChange(name);
}

void HeadlessHost::ResizeTo(std::int32_t width_twips, std::int32_t height_twips) {
  widthTwips_ = width_twips;
  heightTwips_ = height_twips;
  ApplySize();
  form_.Send(window_, kWmSize, 0, MakeLParam(raster_.Width(), raster_.Height()));
}

// The host's own handling of the control window's messages, below any hook: what the real
// window does, through the same router.
MessageResult HeadlessHost::OwnProcedure(WindowHandle, std::uint32_t msg, WParam wparam, LParam lparam) {
  if (!control_) return 0;
  switch (msg) {
    case kWmPaint: control_->Paint(); break;
    case kWmSize: control_->Resize(); break;
    default:
      if (!RouteButtonMessage(*control_, msg, wparam, lparam)) passed_on.push_back(msg);
      break;
  }
  return 0;
}

// --- Records ---

void HeadlessHost::ClearRecords() {
  journal.clear();
  events.clear();
  changes.clear();
  passed_on.clear();
  track_requests.clear();
  cursors_set.clear();
  message_boxes.clear();
  do_events_count = 0;
  refresh_count = 0;
  recorder_.ResetCounts();
}

std::vector<std::string> HeadlessHost::EventNames() const {
  std::vector<std::string> names;
  for (const RecordedEvent& e : events) names.push_back(e.name);
  return names;
}

std::vector<std::string> HeadlessHost::JournalLines(std::string_view prefix) const {
  std::vector<std::string> lines;
  for (const std::string& line : journal) {
    if (std::string_view(line).substr(0, prefix.size()) == prefix) lines.push_back(line);
  }
  return lines;
}

void HeadlessHost::MaybeFail(const char* service) const {
  if (failing_services.count(service)) throw HostError(std::string(service) + " failed");
}

// --- ControlHost ---

void HeadlessHost::Refresh() {
  MaybeFail("Refresh");
  ++refresh_count;
  Write("Refresh");
}

void HeadlessHost::ApplySize() {
  const std::int32_t w = RoundHalfEven(widthTwips_ / 15.0);
  const std::int32_t h = RoundHalfEven(heightTwips_ / 15.0);
  if (w != raster_.Width() || h != raster_.Height()) raster_.Resize(w, h);
  const Rect b = form_.WindowBounds(window_);
  form_.MoveWindow(window_, Rect{b.left, b.top, b.left + w, b.top + h});
}

void HeadlessHost::SetWidth(std::int32_t twips) {
  MaybeFail("SetWidth");
  Write("SetWidth " + std::to_string(twips));
  widthTwips_ = twips;
  ApplySize();
}

void HeadlessHost::SetHeight(std::int32_t twips) {
  MaybeFail("SetHeight");
  Write("SetHeight " + std::to_string(twips));
  heightTwips_ = twips;
  ApplySize();
}

void HeadlessHost::SetWindowEnabled(bool enabled) {
  MaybeFail("SetWindowEnabled");
  Write(std::string("SetWindowEnabled ") + (enabled ? "true" : "false"));
  form_.EnableWindow(window_, enabled);
}

void HeadlessHost::SetMousePointer(std::int16_t code) {
  MaybeFail("SetMousePointer");
  Write("SetMousePointer " + std::to_string(code));
  mousePointer_ = code;
}

void HeadlessHost::SetMouseIcon(PicturePtr picture) {
  MaybeFail("SetMouseIcon");
  Write(std::string("SetMouseIcon ") + (picture ? "picture" : "none"));
  mouseIcon_ = std::move(picture);
}

PropertyValue HeadlessHost::Ambient(std::string_view name) {
  MaybeFail("Ambient");
  auto it = ambient_.find(std::string(name));
  return it == ambient_.end() ? PropertyValue{} : it->second;
}

WindowHandle HeadlessHost::ContainerWindow() {
  MaybeFail("ContainerWindow");
  return form_.Window();
}

PropertyValue HeadlessHost::ContainerProperty(std::string_view name) {
  MaybeFail("ContainerProperty");
  if (Lower(name) == "mdichild") return form_.MdiChild();
  throw HostError("the form has no property " + std::string(name));
}

void HeadlessHost::RaiseEvent(std::int32_t number, std::span<EventArgument> arguments) {
  RecordedEvent e{number, EventName(number), std::vector<EventArgument>(arguments.begin(), arguments.end())};
  std::string line = "Event " + e.name;
  if (!arguments.empty()) {
    line += '(';
    for (std::size_t i = 0; i < arguments.size(); ++i) line += (i ? "," : "") + DescribeArgument(arguments[i]);
    line += ')';
  }
  Write(line);
  events.push_back(e);
  if (on_event) on_event(events.back());
}

void HeadlessHost::PropertyChanged(std::string_view name) {
  Write("Changed " + std::string(name));
  changes.emplace_back(name);
}

void HeadlessHost::MoveFocusToTabStop(bool previous) {
  Write(previous ? "MoveFocus previous" : "MoveFocus next");
  form_.MoveFocus(!previous);
}

void HeadlessHost::TakeFocus() {
  if (form_.Focus() != window_) form_.SetFocus(window_);
}

void HeadlessHost::DoEvents() {
  Write("DoEvents");
  ++do_events_count;
  form_.PumpOnce();
}

void HeadlessHost::ShowMessageBox(std::u16string_view text, std::u16string_view title) {
  Write("MessageBox " + Ascii(title));
  message_boxes.emplace_back(text, title);
}

std::uint32_t HeadlessHost::PlatformId() {
  MaybeFail("PlatformId");
  return platform_id;
}

CursorHandle HeadlessHost::LoadSystemCursor(std::int32_t id) {
  MaybeFail("LoadSystemCursor");
  Write("LoadCursor " + std::to_string(id));
  return id == kIdcHand && hand_cursor_available ? CursorHandle{0x7F89} : CursorHandle{0};
}

void HeadlessHost::SetCursor(CursorHandle cursor) {
  Write("SetCursor " + Hex(cursor));
  cursors_set.push_back(cursor);
}

void HeadlessHost::SetCapture(WindowHandle window) {
  Write("SetCapture " + Hex(window));
  form_.SetCapture(window);
}

void HeadlessHost::ReleaseCapture() {
  Write("ReleaseCapture");
  form_.ReleaseCapture();
}

ModuleHandle HeadlessHost::GetModuleHandleA(std::string_view library) {
  Write("GetModuleHandle " + std::string(library));
  const std::string name = Lower(library);
  if (!resident_libraries.count(name)) return 0;
  for (const auto& [handle, loaded] : modules_) {
    if (loaded == name) return handle;
  }
  const ModuleHandle handle = 0x70000000 + 0x10000 * (modules_.size() + 1);
  modules_[handle] = name;
  return handle;
}

ModuleHandle HeadlessHost::LoadLibraryA(std::string_view library) {
  Write("LoadLibrary " + std::string(library));
  const std::string name = Lower(library);
  if (!loadable_libraries.count(name) && !resident_libraries.count(name)) return 0;
  const ModuleHandle handle = 0x60000000 + 0x10000 * (modules_.size() + 1);
  modules_[handle] = name;
  return handle;
}

std::uintptr_t HeadlessHost::GetProcAddress(ModuleHandle module, std::string_view function) {
  Write("GetProcAddress " + std::string(function));
  auto m = modules_.find(module);
  if (m == modules_.end()) return 0;
  auto e = exports.find(m->second);
  if (e == exports.end() || !e->second.count(std::string(function))) return 0;
  return module + 0x1000;
}

void HeadlessHost::FreeLibrary(ModuleHandle module) {
  auto m = modules_.find(module);
  Write("FreeLibrary " + (m == modules_.end() ? Hex(module) : m->second));
  if (m != modules_.end()) modules_.erase(m);
}

bool HeadlessHost::TrackMouseEvent(TrackService service, const TrackMouseEventRequest& request) {
  Write(std::string(service == TrackService::User32 ? "TrackMouseEvent " : "_TrackMouseEvent ") +
        Hex(request.hwndTrack));
  track_requests.emplace_back(service, request);
  if (request.cbSize != 16 || (request.dwFlags & 2) == 0) return false;
  form_.TrackLeave(request.hwndTrack);
  return true;
}

PreviousProcedure HeadlessHost::InstallWindowHook(WindowHandle window, std::shared_ptr<WindowHook> hook) {
  MaybeFail("InstallWindowHook");
  Write("HookWindow " + Hex(window));
  return form_.InstallHook(window, std::move(hook));
}

void HeadlessHost::RemoveWindowHook(WindowHandle window, PreviousProcedure previous) {
  Write("UnhookWindow " + Hex(window));
  form_.RemoveHook(window, previous);
}

}  // namespace quillet
