#pragma once
// Resolution and fonts of the two windows: every size is given in twips and points and
// turned into pixels at the screen's resolution.
#include <windows.h>

#include "app/form_layout.h"

namespace wendral::win32 {

// Vertical dots per inch of the screen (GetDeviceCaps works on every Windows version).
int ScreenDpi();

// 宋体 at that size, character set GB2312; the caller deletes it.
HFONT CreateSongFont(int centipoints, int dpi);

RECT ToRect(const PixelRect& rect);

// Creates a child control at its twip position.
HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int id,
                 const TwipRect& place, int dpi, HFONT font);

// Sizes a window so that its client area has the given twip size, centred on the screen.
void PlaceCentred(HWND window, int clientWidthTwips, int clientHeightTwips, int dpi);

}  // namespace wendral::win32
