// The gallery window of quillet-gallery.exe: sixteen live QuilletButtons, one per style,
// captioned with the style's name, and the options that change all of them at once.
#pragma once

#include <windows.h>

namespace quillet::gallery {

constexpr const wchar_t* kGalleryClassName = L"QuilletGalleryForm";

// Creates and shows the window (null when it cannot be made); closing it ends the loop.
HWND CreateGalleryWindow(HINSTANCE instance);

}  // namespace quillet::gallery
