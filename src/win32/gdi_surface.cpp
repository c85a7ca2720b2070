#include "win32/gdi_surface.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace quillet {
namespace {

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// A memory DC with a bitmap selected for the life of the scope.
class SelectedBitmap {
 public:
  SelectedBitmap(HDC reference, HBITMAP bitmap) : dc_(CreateCompatibleDC(reference)) {
    if (dc_) previous_ = SelectObject(dc_, bitmap);
  }
  ~SelectedBitmap() {
    if (!dc_) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace

HRGN CreateRegion(const RegionShape& s) {
  if (s.kind == RegionShape::Kind::RoundRect)
    return CreateRoundRectRgn(s.left, s.top, s.right, s.bottom, s.ellipse_width, s.ellipse_height);
  return CreateRectRgn(s.left, s.top, s.right, s.bottom);
}

GdiSurface::GdiSurface(HDC dc, std::int32_t width, std::int32_t height, HWND window)
    : dc_(dc), width_(width), height_(height), window_(window), backColor_(0x80000000u | COLOR_BTNFACE) {
  SetFont(font_);
}

GdiSurface::~GdiSurface() { ReleaseObjects(); }

void GdiSurface::ReleaseObjects() {
  if (previousFont_) SelectObject(dc_, previousFont_);
  if (fontHandle_) DeleteObject(fontHandle_);
  if (clipRegion_) {
    SelectClipRgn(dc_, nullptr);
    DeleteObject(clipRegion_);
  }
  previousFont_ = nullptr;
  fontHandle_ = nullptr;
  clipRegion_ = nullptr;
}

Color GdiSurface::SysColor(std::int32_t index) const {
  return index >= 0 && index < kSysColorCount ? ::GetSysColor(index) : 0;
}

void GdiSurface::SetDrawMode(std::int32_t mode) {
  if (mode >= 1 && mode <= 16) SetROP2(dc_, mode);
}

std::int32_t GdiSurface::DrawMode() const { return GetROP2(dc_); }

// A system colour (the button face until a renderer sets another) is looked up now.
void GdiSurface::Cls() {
  const Color back = (backColor_ & 0x80000000u) ? SysColor(static_cast<std::int32_t>(backColor_ & 0xFF)) : backColor_;
  FillRect(Rect{0, 0, width_, height_}, back);
}

void GdiSurface::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) {
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = SelectObject(dc_, pen);
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);
  SelectObject(dc_, old);
  DeleteObject(pen);
}

void GdiSurface::FillRect(const Rect& r, Color color) {
  HBRUSH brush = CreateSolidBrush(color);
  const RECT rc = ToRect(r);
  ::FillRect(dc_, &rc, brush);
  DeleteObject(brush);
}

void GdiSurface::FrameRect(const Rect& r, Color color) {
  HBRUSH brush = CreateSolidBrush(color);
  const RECT rc = ToRect(r);
  ::FrameRect(dc_, &rc, brush);
  DeleteObject(brush);
}

void GdiSurface::SetPixel(std::int32_t x, std::int32_t y, Color color) { ::SetPixel(dc_, x, y, color); }

Color GdiSurface::GetPixel(std::int32_t x, std::int32_t y) const { return ::GetPixel(dc_, x, y); }

std::int32_t GdiSurface::StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                                       std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                                       const DibBits& bits, std::uint32_t rop) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = bits.width;
  info.bmiHeader.biHeight = bits.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bits.bit_count);
  info.bmiHeader.biCompression = BI_RGB;
  return ::StretchDIBits(dc_, dx, dy, dw, dh, sx, sy, sw, sh, bits.bits, &info, DIB_RGB_COLORS, rop);
}

void GdiSurface::DrawEdge(const Rect& r, std::uint32_t edge, std::uint32_t flags) {
  RECT rc = ToRect(r);
  ::DrawEdge(dc_, &rc, edge, flags);
}

void GdiSurface::DrawFocusRect(const Rect& r) {
  const RECT rc = ToRect(r);
  ::DrawFocusRect(dc_, &rc);
}

void GdiSurface::SetFontDpi(std::int32_t dpi, std::int32_t layout_dpi) {
  if (dpi <= 0 || layout_dpi <= 0 || (dpi == fontDpi_ && layout_dpi == layoutDpi_)) return;
  fontDpi_ = dpi;
  layoutDpi_ = layout_dpi;
  if (fontHandle_) SetFont(FontDescription(font_));
}

void GdiSurface::SetFontScaled(bool on) {
  if (on == fontScaled_) return;
  fontScaled_ = on;
  if (fontHandle_) SetFont(FontDescription(font_));
}

void GdiSurface::SetFont(const FontDescription& font) {
  LOGFONTW lf{};
  const double scale = fontScaled_ ? static_cast<double>(fontDpi_) / layoutDpi_ : 1.0;
  lf.lfHeight = static_cast<LONG>(std::lround(static_cast<double>(font.height) * scale));
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikeout;
  lf.lfCharSet = font.charset;
  const std::size_t n = std::min<std::size_t>(font.face.size(), LF_FACESIZE - 1);
  for (std::size_t i = 0; i < n; ++i) lf.lfFaceName[i] = static_cast<wchar_t>(font.face[i]);
  HFONT handle = CreateFontIndirectW(&lf);
  if (!handle) return;
  HGDIOBJ old = SelectObject(dc_, handle);
  if (!previousFont_) previousFont_ = old;
  if (fontHandle_) DeleteObject(fontHandle_);
  fontHandle_ = handle;
  font_ = font;
}

void GdiSurface::SetTextColor(Color c) { ::SetTextColor(dc_, c); }

Size GdiSurface::MeasureText(std::u16string_view text) {
  SIZE size{};
  const std::wstring w(text.begin(), text.end());
  GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
  if (text.empty()) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    size.cy = tm.tmHeight;
  }
  return Size{size.cx, size.cy};
}

void GdiSurface::DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) {
  const std::wstring w(text.begin(), text.end());
  RECT rc = ToRect(r);
  const int old_mode = SetBkMode(dc_, TRANSPARENT);
  ::DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rc, flags);
  SetBkMode(dc_, old_mode);
}

bool GdiSurface::DrawIcon(const Picture& icon, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
  if (icon.Type() != PictureType::Icon) return false;
  return DrawIconEx(dc_, x, y, reinterpret_cast<HICON>(icon.Handle()), w, h, 0, nullptr, DI_NORMAL) != FALSE;
}

bool GdiSurface::StretchBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                   std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                   std::int32_t sh) {
  if (bitmap.Type() != PictureType::Bitmap) return false;
  SelectedBitmap src(nullptr, reinterpret_cast<HBITMAP>(bitmap.Handle()));
  return ::StretchBlt(dc_, dx, dy, dw, dh, src.dc(), sx, sy, sw, sh, SRCCOPY) != FALSE;
}

bool GdiSurface::TransparentBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                                       std::int32_t dh, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                       std::int32_t sh, Color transparent) {
  if (bitmap.Type() != PictureType::Bitmap) return false;
  SelectedBitmap src(nullptr, reinterpret_cast<HBITMAP>(bitmap.Handle()));
  // gdi32's own export: msimg32 is not a DLL Windows always takes from the system folder.
  return ::GdiTransparentBlt(dc_, dx, dy, dw, dh, src.dc(), sx, sy, sw, sh, transparent) != FALSE;
}

bool GdiSurface::ReadPictureBits(const Picture& picture, PicturePlane plane, std::vector<std::uint8_t>& bits,
                                 std::int32_t& width, std::int32_t& height) {
  HBITMAP source = nullptr;
  ICONINFO icon{};
  const bool is_icon = GetObjectType(reinterpret_cast<HGDIOBJ>(picture.Handle())) == 0;
  if (is_icon) {
    if (!GetIconInfo(reinterpret_cast<HICON>(picture.Handle()), &icon)) return false;
    source = plane == PicturePlane::Mask ? icon.hbmMask : icon.hbmColor;
  } else if (plane == PicturePlane::Colour) {
    source = reinterpret_cast<HBITMAP>(picture.Handle());
  }
  bool ok = false;
  BITMAP bm{};
  if (source && GetObjectA(source, sizeof(bm), &bm)) {
    width = bm.bmWidth;
    height = bm.bmHeight;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(DibBits::RowBytes(width, 24) * height);
    bits.assign(info.bmiHeader.biSizeImage, 0);
    HDC mem = CreateCompatibleDC(dc_);
    ok = GetDIBits(mem, source, 0, static_cast<UINT>(height), bits.data(), &info, DIB_RGB_COLORS) != 0;
    DeleteDC(mem);
  }
  if (icon.hbmMask) DeleteObject(icon.hbmMask);
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  return ok;
}

std::uintptr_t GdiSurface::SetWindowRegion(const RegionShape& shape) {
  if (window_ && windowRegion_ != 0 && shape == windowShape_) {
    // The window has this very region already (a resize at an unchanged size): setting it
    // again would only repaint the whole window.
    RECT box;
    if (GetWindowRgnBox(window_, &box) != ERROR) return windowRegion_;
  }
  HRGN region = CreateRegion(shape);
  if (!region) return 0;
  if (window_) {
    if (!SetWindowRgn(window_, region, TRUE)) {
      DeleteObject(region);
      return 0;
    }
    windowShape_ = shape;
    windowRegion_ = reinterpret_cast<std::uintptr_t>(region);
    return windowRegion_;
  }
  SelectClipRgn(dc_, region);
  if (clipRegion_) DeleteObject(clipRegion_);
  clipRegion_ = region;
  return reinterpret_cast<std::uintptr_t>(region);
}

std::unique_ptr<GdiDibSurface> GdiDibSurface::Create(std::int32_t width, std::int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return nullptr;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) {
    DeleteDC(dc);
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(dc, bitmap);
  return std::unique_ptr<GdiDibSurface>(new GdiDibSurface(dc, bitmap, previous, bits, width, height));
}

GdiDibSurface::GdiDibSurface(HDC dc, HBITMAP bitmap, HGDIOBJ previous, void* bits, std::int32_t width,
                             std::int32_t height)
    : GdiSurface(dc, width, height), bitmap_(bitmap), previous_(previous), bits_(bits) {}

GdiDibSurface::~GdiDibSurface() {
  ReleaseObjects();
  HDC dc = this->dc();
  SelectObject(dc, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc);
}

std::uint32_t* GdiDibSurface::Pixels() const {
  GdiFlush();
  return static_cast<std::uint32_t*>(bits_);
}

}  // namespace quillet
