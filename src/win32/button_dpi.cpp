// The per-monitor DPI of a button window and the button's answer to a DPI change.
#include "win32/button_dpi.h"

#include "win32/button_window.h"
#include "win32/twips.h"
#include "win32/window_buffer_surface.h"

namespace quillet::win32 {
namespace {

// DPI_AWARENESS_CONTEXT and DPI_AWARENESS, kept opaque: the SDK level predates them.
using AwarenessContext = HANDLE;
constexpr int kPerMonitorAware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE

template <typename Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

}  // namespace

UINT MonitorDpiOf(HWND window) {
  static const auto dpi_for_window = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  static const auto window_context = User32Function<AwarenessContext(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
  static const auto awareness_of =
      User32Function<int(WINAPI*)(AwarenessContext)>("GetAwarenessFromDpiAwarenessContext");
  if (!dpi_for_window || !window_context || !awareness_of || !IsWindow(window)) return 0;
  // An unaware or system-aware window keeps drawing at the system DPI whatever the monitor.
  if (awareness_of(window_context(window)) != kPerMonitorAware) return 0;
  return dpi_for_window(window);
}

UINT DpiOfMessage(HWND window, UINT msg, WPARAM wparam) {
  if (msg == kWmDpiChanged) return HIWORD(wparam);
  if (msg == kWmDpiChangedAfterParent) return MonitorDpiOf(window);
  return 0;
}

double ButtonWindow::DpiScale() { return surface_ ? surface_->DpiScale() : 1.0; }

void ButtonWindow::ChangeDpi(UINT dpi) {
  if (!surface_ || dpi == 0) return;
  const double before = surface_->DpiScale();
  surface_->SetFontDpi(static_cast<std::int32_t>(dpi), CurrentScreenDpi().y);
  // The caption is measured and the pictures sized again by the redraw.
  if (loaded_ && surface_->DpiScale() != before) control_->Redraw();
}

}  // namespace quillet::win32
