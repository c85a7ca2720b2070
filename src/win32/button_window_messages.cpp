// The message interface of the "QuilletButton" class (include/QuilletButton.h): its
// registration, the system button messages it answers, one message pair per property,
// the property set as text, and the WM_NOTIFY events.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "QuilletButton.h"
#include "button/property_text.h"
#include "win32/button_window.h"
#include "win32/form_ambient.h"
#include "win32/gdi_picture.h"
#include "win32/window_buffer_surface.h"

namespace quillet::win32 {
namespace {

// Hot: the pointer is over the button (BST_HOT, which older headers lack).
constexpr LRESULT kStateHot = 0x0200;

// The pixels of a bitmap as 0x00RRGGBB, rows top-down; false when GDI cannot read them.
bool ReadBitmap(HBITMAP bitmap, std::int32_t& width, std::int32_t& height, std::vector<std::uint32_t>& pixels) {
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -info.bmHeight;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  pixels.assign(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight), 0);
  HDC dc = GetDC(nullptr);
  const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &header, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  for (std::uint32_t& p : pixels) p &= 0x00FFFFFF;
  width = info.bmWidth;
  height = info.bmHeight;
  return rows == info.bmHeight;
}

// The control keeps its own copy of the caller's picture, as a GdiPicture; the caller
// keeps and frees its handle.
PicturePtr CopyPicture(WPARAM type, LPARAM handle) {
  PictureImage image;
  if (type == IMAGE_BITMAP) {
    if (!ReadBitmap(reinterpret_cast<HBITMAP>(handle), image.width, image.height, image.pixels)) return nullptr;
    return GdiPicture::FromImage(PictureType::Bitmap, image);
  }
  if (type != IMAGE_ICON) return nullptr;
  ICONINFO info{};
  if (!GetIconInfo(reinterpret_cast<HICON>(handle), &info)) return nullptr;
  std::vector<std::uint32_t> mask;
  std::int32_t mask_width = 0, mask_height = 0;
  const bool read = ReadBitmap(info.hbmColor, image.width, image.height, image.pixels) &&
                    ReadBitmap(info.hbmMask, mask_width, mask_height, mask) && mask_width == image.width &&
                    mask_height == image.height;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (!read) return nullptr;  // monochrome icons have no colour bitmap
  image.mask.reserve(mask.size());
  for (std::uint32_t m : mask) image.mask.push_back(m != 0 ? 1 : 0);
  return GdiPicture::FromImage(PictureType::Icon, image);
}

LRESULT HandleOf(const PicturePtr& picture, WPARAM type) {
  if (!picture) return 0;
  const bool wanted = (type == IMAGE_BITMAP && picture->Type() == PictureType::Bitmap) ||
                      (type == IMAGE_ICON && picture->Type() == PictureType::Icon);
  return wanted ? static_cast<LRESULT>(picture->Handle()) : 0;
}

FontPtr FontFromHandle(HFONT font) {
  LOGFONTW lf{};
  if (!GetObjectW(font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)), sizeof lf, &lf)) return nullptr;
  return std::make_shared<Font>(FontDescriptionOf(lf));
}

UINT NotifyCode(ButtonEvent event) {
  switch (event) {
    case ButtonEvent::DblClick: return QBN_DBLCLK;
    case ButtonEvent::MouseEnter: return QBN_MOUSEENTER;
    case ButtonEvent::MouseLeave: return QBN_MOUSELEAVE;
    case ButtonEvent::MouseMove: return QBN_MOUSEMOVE;
    case ButtonEvent::MouseUp: return QBN_MOUSEUP;
    case ButtonEvent::MouseDown: return QBN_MOUSEDOWN;
    case ButtonEvent::KeyDown: return QBN_KEYDOWN;
    case ButtonEvent::KeyUp: return QBN_KEYUP;
    default: return 0;
  }
}

int ArgumentInt(std::span<EventArgument> arguments, std::size_t i) {
  if (i >= arguments.size()) return 0;
  if (const auto* n = std::get_if<std::int16_t>(&arguments[i])) return *n;
  return static_cast<int>(std::get<float>(arguments[i]));
}

}  // namespace

void ButtonWindow::SetFontHandle(HFONT font) {
  fontHandle_ = font;
  // A program's font is drawn at the size it was made; only the form's font, which the
  // button takes by default, is scaled to the monitor.
  if (surface_) surface_->SetFontScaled(false);
  if (loaded_) control_->Font(FontFromHandle(font));  // the setter redraws whatever lParam says
}

bool ButtonWindow::IsDefaultButton() const {
  return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
}

void ButtonWindow::NotifyParent(ButtonEvent event, std::span<EventArgument> arguments) {
  const UINT code = NotifyCode(event);
  const HWND parent = Form();
  if (!code || !hwnd_ || !parent) return;
  NMQUILLETBUTTON nm{};
  nm.cbSize = sizeof nm;
  nm.hdr.hwndFrom = hwnd_;
  const int id = Id();
  nm.hdr.idFrom = static_cast<UINT_PTR>(id);
  nm.hdr.code = code;
  if (event == ButtonEvent::KeyDown || event == ButtonEvent::KeyUp) {
    nm.key = ArgumentInt(arguments, 0);
    nm.shift = ArgumentInt(arguments, 1);
  } else {
    nm.button = ArgumentInt(arguments, 0);
    nm.shift = ArgumentInt(arguments, 1);
    nm.x = ArgumentInt(arguments, 2);
    nm.y = ArgumentInt(arguments, 3);
  }
  SendMessageW(parent, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&nm));
}

void ButtonWindow::Load(const PersistedPropertySet& set) {
  if (!loaded_) return;
  QuilletButton& c = *control_;
  // Everything is converted before anything changes: a value of the wrong kind throws here.
  const auto style = ToInt32(set.Read("ButtonStyle", std::int32_t{1}));
  const bool focus_rect = ToBool(set.Read("ShowFocusRect", false));
  const FontPtr font = ToFont(set.Read("Font", Ambient("Font")));
  const auto back = static_cast<Color>(ToInt32(set.Read("BackColor", static_cast<std::int32_t>(kSysColorButtonFace))));
  const bool enabled = ToBool(set.Read("Enabled", true));
  std::u16string caption = ToText(set.Read("Caption", std::u16string(kCaptionDefault)));
  const auto fore = static_cast<Color>(ToInt32(set.Read("ForeColor", static_cast<std::int32_t>(kSysColorButtonText))));
  const bool check_box = ToBool(set.Read("CheckBoxMode", false));
  const bool value = ToBool(set.Read("Value", false));
  const std::int16_t pointer = ToInt16(set.Read("MousePointer", std::int16_t{0}));
  const bool hand = ToBool(set.Read("HandPointer", false));
  const PicturePtr mouse_icon = ToPicture(set.Read("MouseIcon", PicturePtr{}));
  const PicturePtr picture = ToPicture(set.Read("Picture", PicturePtr{}));
  const PicturePtr hover = ToPicture(set.Read("PictureHover", PicturePtr{}));
  const auto picture_align = ToInt32(set.Read("PictureAlign", std::int32_t{1}));
  const auto picture_size = ToInt32(set.Read("PictureSize", std::int32_t{0}));
  const bool use_mask = ToBool(set.Read("UseMaskColor", false));
  const auto mask = static_cast<Color>(ToInt32(set.Read("MaskColor", static_cast<std::int32_t>(kMaskColorDefault))));
  const auto caption_align = ToInt32(set.Read("CaptionAlign", std::int32_t{1}));
  // The style first: it brings its own colours, which the stored ones then override.
  c.ButtonStyle(static_cast<ButtonStyle>(style));
  c.ShowFocusRect(focus_rect);
  c.Font(font);
  c.BackColor(back);
  c.ForeColor(fore);
  c.Caption(std::move(caption));
  // The value only sticks in check-box mode.
  c.CheckBoxMode(true);
  c.Value(value);
  c.CheckBoxMode(check_box);
  c.MousePointer(pointer);
  c.HandPointer(hand);
  c.MouseIcon(mouse_icon);
  c.PictureSize(static_cast<PictureSize>(picture_size));
  c.PictureAlign(static_cast<PictureAlign>(picture_align));
  c.Picture(picture);
  c.PictureHover(hover);
  c.MaskColor(mask);
  c.UseMaskColor(use_mask);
  c.CaptionAlign(static_cast<CaptionAlign>(caption_align));
  c.Enabled(enabled);
}

LRESULT ButtonWindow::ClassMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  QuilletButton* c = loaded_ ? control_.get() : nullptr;
  switch (msg) {
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd_, msg, wparam, lparam);
      const auto* text = reinterpret_cast<const char16_t*>(lparam);
      std::u16string caption = text ? std::u16string(text) : std::u16string();
      if (c && c->Caption() != caption) c->Caption(std::move(caption));
      return result;
    }
    case WM_SETFONT: SetFontHandle(reinterpret_cast<HFONT>(wparam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(fontHandle_);
    case BM_GETCHECK: return c && c->CheckBoxMode() && c->Value() ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      // A push button has no check, as with the system's.
      if (c && c->CheckBoxMode()) c->Value(wparam == BST_CHECKED);
      return 0;
    case BM_GETSTATE: {
      if (!c) return 0;
      LRESULT state = c->CheckBoxMode() && c->Value() ? BST_CHECKED : BST_UNCHECKED;
      if (c->DrawState() == DrawState::Pressed && !c->CheckBoxMode()) state |= BST_PUSHED;
      if (c->CheckBoxMode() && c->LeftButtonDown()) state |= BST_PUSHED;
      if (::GetFocus() == hwnd_) state |= BST_FOCUS;
      if (c->MouseOver()) state |= kStateHot;
      return state;
    }
    case BM_SETSTYLE: {
      // The dialog manager moves the default frame with BS_DEFPUSHBUTTON / BS_PUSHBUTTON.
      const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
      const LONG_PTR type = static_cast<LONG_PTR>(wparam & 0x0F);
      if ((style & 0x0F) != type) SetWindowLongPtrW(hwnd_, GWL_STYLE, (style & ~LONG_PTR{0x0F}) | type);
      if (c && c->DisplayAsDefault() != (type == BS_DEFPUSHBUTTON))
        ChangeAmbient("DisplayAsDefault", type == BS_DEFPUSHBUTTON);
      return 0;
    }
    default: return DefWindowProcW(hwnd_, msg, wparam, lparam);
  }
}

LRESULT ButtonWindow::PropertyMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  QuilletButton* c = loaded_ ? control_.get() : nullptr;
  if (!c) return 0;
  const auto color = static_cast<Color>(wparam);
  const bool on = wparam != 0;
  switch (msg) {
    case QBM_SETSTYLE: {
      if (wparam >= static_cast<WPARAM>(kButtonStyleCount)) return -1;
      const auto previous = static_cast<LRESULT>(c->ButtonStyle());
      c->ButtonStyle(static_cast<ButtonStyle>(wparam));
      return previous;
    }
    case QBM_GETSTYLE: return static_cast<LRESULT>(c->ButtonStyle());
    case QBM_SETBACKCOLOR: {
      const LRESULT p = c->BackColor();
      c->BackColor(color);
      return p;
    }
    case QBM_GETBACKCOLOR: return c->BackColor();
    case QBM_SETFORECOLOR: {
      const LRESULT p = c->ForeColor();
      c->ForeColor(color);
      return p;
    }
    case QBM_GETFORECOLOR: return c->ForeColor();
    case QBM_SETMASKCOLOR: {
      const LRESULT p = c->MaskColor();
      c->MaskColor(color);
      return p;
    }
    case QBM_GETMASKCOLOR: return c->MaskColor();
    case QBM_SETUSEMASKCOLOR: {
      const LRESULT p = c->UseMaskColor();
      c->UseMaskColor(on);
      return p;
    }
    case QBM_GETUSEMASKCOLOR: return c->UseMaskColor();
    case QBM_SETIMAGE:
    case QBM_SETHOVERIMAGE: {
      PicturePtr picture;
      if (lparam) {
        picture = CopyPicture(wparam, lparam);
        if (!picture) return FALSE;
      }
      if (msg == QBM_SETIMAGE)
        c->Picture(std::move(picture));
      else
        c->PictureHover(std::move(picture));
      return TRUE;
    }
    case QBM_GETIMAGE: return HandleOf(c->Picture(), wparam);
    case QBM_GETHOVERIMAGE: return HandleOf(c->PictureHover(), wparam);
    case QBM_SETCAPTIONALIGN: {
      if (wparam > QBCA_RIGHT) return -1;
      const auto p = static_cast<LRESULT>(c->CaptionAlign());
      c->CaptionAlign(static_cast<CaptionAlign>(wparam));
      return p;
    }
    case QBM_GETCAPTIONALIGN: return static_cast<LRESULT>(c->CaptionAlign());
    case QBM_SETPICTUREALIGN: {
      if (wparam > QBPA_BOTTOMOFCAPTION) return -1;
      const auto p = static_cast<LRESULT>(c->PictureAlign());
      c->PictureAlign(static_cast<PictureAlign>(wparam));
      return p;
    }
    case QBM_GETPICTUREALIGN: return static_cast<LRESULT>(c->PictureAlign());
    case QBM_SETPICTURESIZE: {
      if (wparam > QBPS_32) return -1;
      const auto p = static_cast<LRESULT>(c->PictureSize());
      c->PictureSize(static_cast<PictureSize>(wparam));
      return p;
    }
    case QBM_GETPICTURESIZE: return static_cast<LRESULT>(c->PictureSize());
    case QBM_SETCHECKBOXMODE: {
      const LRESULT p = c->CheckBoxMode();
      c->CheckBoxMode(on);
      // A check box is never the default button: the frame goes back to the dialog's.
      if (on && IsDefaultButton()) ClassMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
      return p;
    }
    case QBM_GETCHECKBOXMODE: return c->CheckBoxMode();
    case QBM_SETFOCUSRECT: {
      const LRESULT p = c->ShowFocusRect();
      c->ShowFocusRect(on);
      return p;
    }
    case QBM_GETFOCUSRECT: return c->ShowFocusRect();
    case QBM_SETHANDPOINTER: {
      const LRESULT p = c->HandPointer();
      c->HandPointer(on);
      return p;
    }
    case QBM_GETHANDPOINTER: return c->HandPointer();
    case QBM_SAVETEXT: {
      const std::u16string text = PropertySetToText(Save());
      auto* buffer = reinterpret_cast<wchar_t*>(lparam);
      if (buffer && wparam > 0) {
        const std::size_t n = std::min<std::size_t>(text.size(), wparam - 1);
        std::memcpy(buffer, text.data(), n * sizeof(wchar_t));
        buffer[n] = L'\0';
      }
      return static_cast<LRESULT>(text.size());
    }
    case QBM_LOADTEXT: {
      const auto* text = reinterpret_cast<const char16_t*>(lparam);
      if (!text) return FALSE;
      const auto set = PropertySetFromText(text, [](PictureType type, const PictureImage& image) -> PicturePtr {
        return GdiPicture::FromImage(type, image);
      });
      if (!set) return FALSE;
      try {
        Load(*set);
      } catch (const PropertyTypeMismatch&) {
        return FALSE;
      } catch (const std::overflow_error&) {
        return FALSE;
      }
      return TRUE;
    }
    default: return 0;
  }
}

}  // namespace quillet::win32

extern "C" ATOM WINAPI QuilletButton_Register(HINSTANCE instance) {
  using quillet::win32::ButtonWindow;
  if (!instance) instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  // Registered already (by this module or, being global, another): its atom.
  if (const BOOL atom = GetClassInfoExW(instance, ButtonWindow::kClassName, &wc)) return static_cast<ATOM>(atom);
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof wc;
  // Double clicks are a notification of their own; the client area is painted whole from
  // the buffer, so no background brush and no redraw on size (WM_SIZE redraws). Global,
  // so that dialog templates of any module in the process find it.
  wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
  wc.lpfnWndProc = &ButtonWindow::WindowProc;
  wc.cbWndExtra = ButtonWindow::kWindowBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = ButtonWindow::kClassName;
  return RegisterClassExW(&wc);
}
