#include "quillet_slot.h"

#include "QuilletButton.h"
#include "form_fonts.h"
#include "win32/wide_text.h"

namespace wendral::win32 {

// The window class and its messages, as any program uses them.
HWND CreateQuilletSlot(HWND form, int id, const TwipRect& place, std::string_view caption, int dpi) {
  if (!QuilletButton_Register(GetModuleHandleW(nullptr))) return nullptr;
  // One font for the buttons of both windows, kept for the life of the program.
  static const HFONT font = CreateSongFont(layout::kFormFontCentipoints, dpi);
  HWND button = CreateChild(form, QUILLETBUTTON_CLASSW, Widen(caption).c_str(), WS_TABSTOP | WS_CLIPSIBLINGS, 0, id,
                            place, dpi, font);
  if (!button) return nullptr;
  // The style brings the face colour 0x00E7EBEC and no focus rectangle; the colour is set
  // again so the form's layout stays the one place that names it.
  QuilletButton_SetStyle(button, 2);
  QuilletButton_SetBackColor(button, layout::kButtonBackColor);
  return button;
}

void SetSlotCaption(HWND button, std::string_view caption) { SetWindowTextW(button, Widen(caption).c_str()); }

void SetSlotEnabled(HWND button, bool enabled) { EnableWindow(button, enabled ? TRUE : FALSE); }

}  // namespace wendral::win32
