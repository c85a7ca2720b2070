// Per-monitor DPI of a button window. The form lays its buttons out at the system DPI;
// in a per-monitor aware program a window can then show on a monitor of another scale,
// and the button draws its font and pictures scaled by the monitor's DPI over the
// system's (GdiSurface::SetFontDpi, ControlHost::DpiScale).
//
// A child window learns of the move through WM_DPICHANGED_AFTERPARENT and asks for its
// DPI; a form that handles WM_DPICHANGED itself may pass that message on, which carries
// the new DPI. The calls used exist from Windows 10 (1607) and are looked up, so the
// program still loads on Windows XP, where nothing changes.
#pragma once

#include <windows.h>

namespace quillet::win32 {

// Messages newer than the SDK level the project builds against.
constexpr UINT kWmDpiChanged = 0x02E0;
constexpr UINT kWmDpiChangedAfterParent = 0x02E3;

// The DPI of the monitor `window` shows on, when its thread is per-monitor aware; 0 when it
// isn't (the system then stretches the window, or it stays at the system DPI) or the system
// has no such notion.
UINT MonitorDpiOf(HWND window);

// The DPI a DPI message tells `window` to draw at: WM_DPICHANGED carries it (its vertical
// DPI, the one font heights follow), WM_DPICHANGED_AFTERPARENT leaves it to MonitorDpiOf.
// 0: nothing to change.
UINT DpiOfMessage(HWND window, UINT msg, WPARAM wparam);

}  // namespace quillet::win32
