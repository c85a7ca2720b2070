// Ambient values a form offers the controls on it, read from the form's window.
#pragma once

#include <windows.h>

#include "button/font.h"
#include "button/surface.h"

namespace quillet::win32 {

// The control's description of a GDI font.
FontDescription FontDescriptionOf(const LOGFONTW& font);

// The form's font (WM_GETFONT); the system's default caption font, 宋体 9 pt, when the
// form has none.
FontPtr AmbientFontOf(HWND form);

// The form's background: the system colour its class brush names (0x80000000 + index),
// the colour of a solid class brush, or the button face.
Color AmbientBackColorOf(HWND form);

// An MDI child window (WS_EX_MDICHILD).
bool IsMdiChild(HWND form);

// The window that is activated for `window`: itself or its nearest MDI child ancestor, else
// its top-level window.
HWND ActivationWindowOf(HWND window);

}  // namespace quillet::win32
