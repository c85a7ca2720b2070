#pragma once
// The one QuilletButton each window holds, with the properties both windows give it
// (ButtonStyle 2, 宋体 9 pt, face colour 0x00E7EBEC). Its Click arrives as WM_COMMAND/BN_CLICKED.
#include <windows.h>

#include <string_view>

#include "app/form_layout.h"

namespace wendral::win32 {

// Null when the button cannot be made.
HWND CreateQuilletSlot(HWND form, int id, const TwipRect& place, std::string_view caption, int dpi);
void SetSlotCaption(HWND button, std::string_view caption);
void SetSlotEnabled(HWND button, bool enabled);

}  // namespace wendral::win32
