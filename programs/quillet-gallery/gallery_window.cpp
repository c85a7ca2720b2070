#include "gallery_window.h"

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "QuilletButton.h"
#include "button/primitives.h"
#include "button/style_names.h"
#include "gallery_layout.h"
#include "win32/gdi_picture.h"
#include "win32/twips.h"

namespace quillet::gallery {
namespace {

// What the window keeps between messages (GWLP_USERDATA).
struct GalleryWindow {
  ~GalleryWindow() {
    if (font) DeleteObject(font);
  }
  std::array<HWND, kButtonStyleCount> buttons{};
  HFONT font = nullptr;
  std::array<HWND, kOptionCount> options{};
  PicturePtr icon;
  HWND last_focus = nullptr;
};

RECT PixelsOf(const TwipsBox& box) {
  const win32::ScreenDpi dpi = win32::CurrentScreenDpi();
  const int left = TwipsToPixels(box.left, dpi.x), top = TwipsToPixels(box.top, dpi.y);
  return RECT{left, top, left + TwipsToPixels(box.width, dpi.x), top + TwipsToPixels(box.height, dpi.y)};
}

// The properties that follow the options, in the order a form's code would set them.
void ApplyOptions(HWND button, const GalleryOptions& o, const PicturePtr& icon) {
  QuilletButton_SetFocusRect(button, o.show_focus_rect);
  QuilletButton_SetCaptionAlign(button, static_cast<int>(o.caption_align));
  QuilletButton_SetIcon(button, o.picture && icon ? reinterpret_cast<HICON>(icon->Handle()) : nullptr);
  QuilletButton_SetCheckBoxMode(button, o.check_box_mode);
  EnableWindow(button, o.enabled);
}

// Through the window class and its messages, as any program makes one.
HWND MakeButton(HWND form, std::int32_t style, const GalleryOptions& o, const PicturePtr& icon, HFONT font) {
  const RECT r = PixelsOf(ButtonBox(style));
  const std::u16string_view caption = ButtonStyleName(style);
  HWND button = CreateWindowExW(
      0, QUILLETBUTTON_CLASSW, std::wstring(caption.begin(), caption.end()).c_str(),
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, r.left, r.top, r.right - r.left, r.bottom - r.top, form,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + style)), GetModuleHandleW(nullptr), nullptr);
  if (!button) return nullptr;
  // The style first: it brings its own colours and focus-rectangle default.
  QuilletButton_SetStyle(button, style);
  QuilletButton_SetFocusRect(button, o.show_focus_rect);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  ApplyOptions(button, o, icon);
  return button;
}

HWND MakeOption(HWND form, int index, bool checked) {
  const RECT r = PixelsOf(OptionBox(index));
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (index < kCheckBoxCount) {
    style |= BS_AUTOCHECKBOX | WS_TABSTOP | (index == 0 ? WS_GROUP : 0);
  } else {
    // The caption choices are one group: TAB enters it once, the arrows move within it.
    style |= BS_AUTORADIOBUTTON | (index == kCheckBoxCount ? WS_GROUP | WS_TABSTOP : 0);
  }
  const std::u16string_view label = OptionLabel(index);
  HWND h = CreateWindowExW(0, L"BUTTON", std::wstring(label.begin(), label.end()).c_str(), style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, form,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEnabledId + index)), GetModuleHandleW(nullptr),
                           nullptr);
  if (h) {
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageW(h, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return h;
}

GalleryOptions ReadOptions(HWND form) {
  auto on = [form](int id) { return IsDlgButtonChecked(form, id) == BST_CHECKED; };
  GalleryOptions o;
  o.enabled = on(kEnabledId);
  o.check_box_mode = on(kCheckBoxModeId);
  o.show_focus_rect = on(kShowFocusRectId);
  o.picture = on(kPictureId);
  o.caption_align = on(kCaptionLeftId)    ? CaptionAlign::CaptionLeft
                    : on(kCaptionRightId) ? CaptionAlign::CaptionRight
                                          : CaptionAlign::CaptionCenter;
  return o;
}

bool Create(HWND form, GalleryWindow& self) {
  const GalleryOptions o;
  self.icon = GdiPicture::FromImage(PictureType::Icon, GalleryIconImage());
  if (!QuilletButton_Register(GetModuleHandleW(nullptr))) return false;
  const std::u16string face(kButtonFontFace);
  self.font = CreateFontW(-RoundHalfEven(kButtonFontPoints * win32::CurrentScreenDpi().y / 72.0), 0, 0, 0, FW_NORMAL,
                          FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, reinterpret_cast<const wchar_t*>(face.c_str()));
  if (!self.font) return false;
  for (std::int32_t style = 0; style < kButtonStyleCount; ++style) {
    self.buttons[static_cast<std::size_t>(style)] = MakeButton(form, style, o, self.icon, self.font);
    if (!self.buttons[static_cast<std::size_t>(style)]) return false;
  }
  const std::array<bool, kOptionCount> checked = {o.enabled,
                                                  o.check_box_mode,
                                                  o.show_focus_rect,
                                                  o.picture,
                                                  o.caption_align == CaptionAlign::CaptionLeft,
                                                  o.caption_align == CaptionAlign::CaptionCenter,
                                                  o.caption_align == CaptionAlign::CaptionRight};
  for (int i = 0; i < kOptionCount; ++i) {
    self.options[static_cast<std::size_t>(i)] = MakeOption(form, i, checked[static_cast<std::size_t>(i)]);
    if (!self.options[static_cast<std::size_t>(i)]) return false;
  }
  self.last_focus = self.buttons[0];
  return true;
}

LRESULT CALLBACK GalleryProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<GalleryWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_CREATE: {
      auto* state = new GalleryWindow;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
      return Create(hwnd, *state) ? 0 : -1;
    }
    case WM_COMMAND:
      // The options' clicks; the buttons' own clicks arrive here too and change nothing.
      if (self && HIWORD(wparam) == BN_CLICKED && LOWORD(wparam) >= kEnabledId &&
          LOWORD(wparam) < kEnabledId + kOptionCount) {
        const GalleryOptions o = ReadOptions(hwnd);
        for (HWND button : self->buttons) ApplyOptions(button, o, self->icon);
      }
      return 0;
    case WM_ACTIVATE:
      // Keep the focus where the user left it when the window is switched away and back.
      if (self && LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) self->last_focus = focus;
      } else if (self && self->last_focus && IsWindow(self->last_focus)) {
        SetFocus(self->last_focus);
        return 0;
      }
      break;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      delete self;
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

}  // namespace

HWND CreateGalleryWindow(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &GalleryProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kGalleryClassName;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame = PixelsOf(ClientBox());
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND hwnd = CreateWindowExW(0, kGalleryClassName, L"QuilletButton gallery", style, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return nullptr;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return hwnd;
}

}  // namespace quillet::gallery
