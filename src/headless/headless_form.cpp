#include "headless/headless_form.h"

#include <algorithm>

namespace quillet {

HeadlessForm::HeadlessForm(bool mdi_child) : mdiChild_(mdi_child), formWindow_(0x10000) {
  WindowRecord form;
  form.bounds = Rect{0, 0, 2000, 2000};
  form.procedure = [](WindowHandle, std::uint32_t, WParam, LParam) { return MessageResult{0}; };
  windows_.emplace(formWindow_, std::move(form));
}

WindowHandle HeadlessForm::CreateChildWindow(const Rect& screen_bounds, Procedure procedure) {
  const WindowHandle handle = nextWindow_;
  nextWindow_ += 0x10;
  WindowRecord record;
  record.bounds = screen_bounds;
  record.procedure = std::move(procedure);
  windows_.emplace(handle, std::move(record));
  childOrder_.push_back(handle);
  return handle;
}

void HeadlessForm::DestroyWindow(WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end() || window == formWindow_) return;
  windows_.erase(it);
  std::erase(childOrder_, window);
  std::erase_if(posted_, [window](const Posted& p) { return p.window == window; });
  leaveArmed_.erase(window);
  if (capture_ == window) capture_ = 0;
  if (focus_ == window) focus_ = 0;
}

void HeadlessForm::MoveWindow(WindowHandle window, const Rect& screen_bounds) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.bounds = screen_bounds;
}

Rect HeadlessForm::WindowBounds(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? Rect{} : it->second.bounds;
}

void HeadlessForm::EnableWindow(WindowHandle window, bool enabled) {
  auto it = windows_.find(window);
  if (it != windows_.end()) it->second.enabled = enabled;
}

bool HeadlessForm::IsWindowEnabled(WindowHandle window) const {
  auto it = windows_.find(window);
  return it != windows_.end() && it->second.enabled;
}

// The hooks' halves around the window's own procedure, as WindowHook describes.
MessageResult HeadlessForm::Send(WindowHandle window, std::uint32_t msg, WParam wparam, LParam lparam) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return 0;
  const std::vector<HookSlot> hooks = it->second.hooks;  // alive while the message passes
  Procedure procedure = it->second.procedure;            // may outlive the window during the call
  MessageResult result = 0;
  std::size_t lowest = hooks.size();
  bool handled = false;
  while (lowest > 0 && !handled) handled = hooks[--lowest].hook->Before(window, msg, wparam, lparam, result);
  if (!handled && procedure) result = procedure(window, msg, wparam, lparam);
  for (std::size_t i = lowest; i < hooks.size(); ++i) {
    hooks[i].hook->After(window, msg, wparam, lparam, result, handled && i == lowest);
  }
  return result;
}

void HeadlessForm::Post(WindowHandle window, std::uint32_t msg, WParam wparam, LParam lparam) {
  posted_.push_back(Posted{window, msg, wparam, lparam});
}

std::size_t HeadlessForm::PumpOnce() {
  std::size_t n = posted_.size();
  const std::size_t delivered = n;
  while (n-- > 0 && !posted_.empty()) {
    const Posted p = posted_.front();
    posted_.pop_front();
    Send(p.window, p.msg, p.wparam, p.lparam);
  }
  return delivered;
}

void HeadlessForm::PumpAll(int rounds) {
  while (rounds-- > 0 && !posted_.empty()) PumpOnce();
}

PreviousProcedure HeadlessForm::InstallHook(WindowHandle window, std::shared_ptr<WindowHook> hook) {
  auto it = windows_.find(window);
  if (it == windows_.end()) throw HostError("InstallHook: no such window");
  const PreviousProcedure token = nextToken_++;
  it->second.hooks.push_back(HookSlot{token, std::move(hook)});
  return token;
}

void HeadlessForm::RemoveHook(WindowHandle window, PreviousProcedure token) {
  auto it = windows_.find(window);
  if (it == windows_.end()) throw HostError("RemoveHook: no such window");
  auto& hooks = it->second.hooks;
  auto slot = std::find_if(hooks.begin(), hooks.end(), [token](const HookSlot& s) { return s.token == token; });
  if (slot == hooks.end()) throw HostError("RemoveHook: hook not installed on this window");
  hooks.erase(slot);
}

std::size_t HeadlessForm::HookCount(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? 0 : it->second.hooks.size();
}

WindowHandle HeadlessForm::WindowFromPoint(Point p) const {
  auto inside = [p](const Rect& r) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; };
  for (auto it = childOrder_.rbegin(); it != childOrder_.rend(); ++it) {
    if (inside(windows_.at(*it).bounds)) return *it;
  }
  return inside(windows_.at(formWindow_).bounds) ? formWindow_ : 0;
}

void HeadlessForm::MovePointer(Point screen, WParam key_state) {
  cursor_ = screen;
  const WindowHandle under = WindowFromPoint(screen);
  for (auto it = leaveArmed_.begin(); it != leaveArmed_.end();) {
    if (*it != under) {
      Post(*it, kWmMouseLeave, 0, 0);
      it = leaveArmed_.erase(it);
    } else {
      ++it;
    }
  }
  PumpAll();
  const WindowHandle target = capture_ != 0 ? capture_ : under;
  if (target == 0) return;
  const Rect b = WindowBounds(target);
  Send(target, kWmMouseMove, key_state, MakeLParam(screen.x - b.left, screen.y - b.top));
}

void HeadlessForm::SetCapture(WindowHandle window) {
  const WindowHandle old = capture_;
  capture_ = window;
  if (old != 0 && old != window) Send(old, kWmCaptureChanged, 0, static_cast<LParam>(window));
}

void HeadlessForm::TrackLeave(WindowHandle window) {
  if (WindowFromPoint(cursor_) == window) {
    leaveArmed_.insert(window);
  } else {
    leaveArmed_.erase(window);
    Post(window, kWmMouseLeave, 0, 0);
  }
}

void HeadlessForm::Activate() {
  Send(formWindow_, kWmNcActivate, 1, 0);
  if (!mdiChild_) Send(formWindow_, kWmActivate, 1, 0);
}

void HeadlessForm::Deactivate() {
  Send(formWindow_, kWmNcActivate, 0, 0);
  if (!mdiChild_) Send(formWindow_, kWmActivate, 0, 0);
}

void HeadlessForm::SetFocus(WindowHandle window) {
  if (window == focus_) return;
  const WindowHandle old = focus_;
  focus_ = window;
  if (old != 0) Send(old, kWmKillFocus, window, 0);
  if (window != 0) Send(window, kWmSetFocus, old, 0);
}

void HeadlessForm::MoveFocus(bool forward) {
  std::vector<WindowHandle> order;
  for (WindowHandle w : childOrder_) {
    if (windows_.at(w).enabled) order.push_back(w);
  }
  if (order.empty()) return;
  auto at = std::find(order.begin(), order.end(), focus_);
  std::size_t i = 0;
  if (at != order.end()) {
    const std::size_t here = static_cast<std::size_t>(at - order.begin());
    i = forward ? (here + 1) % order.size() : (here + order.size() - 1) % order.size();
  } else if (!forward) {
    i = order.size() - 1;
  }
  SetFocus(order[i]);
}

}  // namespace quillet
