#include "win32/form_ambient.h"

#include <memory>
#include <string>

namespace quillet::win32 {

FontDescription FontDescriptionOf(const LOGFONTW& lf) {
  FontDescription description;
  description.face = reinterpret_cast<const char16_t*>(lf.lfFaceName);
  description.height = lf.lfHeight;
  description.weight = lf.lfWeight;
  description.italic = lf.lfItalic != 0;
  description.underline = lf.lfUnderline != 0;
  description.strikeout = lf.lfStrikeOut != 0;
  description.charset = lf.lfCharSet;
  return description;
}

FontPtr AmbientFontOf(HWND form) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(form, WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  if (font && GetObjectW(font, sizeof lf, &lf) == sizeof lf) return std::make_shared<Font>(FontDescriptionOf(lf));
  return std::make_shared<Font>(FontDescription{});
}

Color AmbientBackColorOf(HWND form) {
  constexpr Color kButtonFace = 0x80000000u | COLOR_BTNFACE;
  const auto brush = static_cast<ULONG_PTR>(GetClassLongPtrW(form, GCLP_HBRBACKGROUND));
  if (brush == 0) return kButtonFace;
  // A class brush of (COLOR_xxx + 1) names a system colour.
  if (brush <= COLOR_MENUBAR + 1) return 0x80000000u | static_cast<Color>(brush - 1);
  LOGBRUSH lb{};
  if (GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof lb, &lb) == sizeof lb && lb.lbStyle == BS_SOLID) {
    return lb.lbColor;
  }
  return kButtonFace;
}

bool IsMdiChild(HWND form) { return (GetWindowLongPtrW(form, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0; }

HWND ActivationWindowOf(HWND window) {
  for (HWND w = window; w && (GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD); w = GetParent(w)) {
    if (IsMdiChild(w)) return w;
  }
  const HWND root = GetAncestor(window, GA_ROOT);
  return root ? root : window;
}

}  // namespace quillet::win32
