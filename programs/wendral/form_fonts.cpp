#include "form_fonts.h"

#include "win32/wide_text.h"

namespace wendral::win32 {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

HFONT CreateSongFont(int centipoints, int dpi) {
  return CreateFontW(FontHeight(centipoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, layout::kGb2312Charset,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                     Widen(layout::kFontFace).c_str());
}

RECT ToRect(const PixelRect& rect) { return RECT{rect.left, rect.top, rect.right(), rect.bottom()}; }

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int id,
                 const TwipRect& place, int dpi, HFONT font) {
  const PixelRect px = ToPixels(place, dpi);
  HWND child =
      CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, px.left, px.top, px.width, px.height,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void PlaceCentred(HWND window, int clientWidthTwips, int clientHeightTwips, int dpi) {
  RECT frame{0, 0, TwipsToPixels(clientWidthTwips, dpi), TwipsToPixels(clientHeightTwips, dpi)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace wendral::win32
