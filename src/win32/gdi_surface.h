// The drawing surface on Windows: GDI calls on a device context, either a control
// window's or a memory DC holding a 32-bit DIB section.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "button/surface.h"

namespace quillet {

class GdiSurface : public Surface {
 public:
  // `window` receives the regions handed over; without one they clip the DC instead.
  GdiSurface(HDC dc, std::int32_t width, std::int32_t height, HWND window = nullptr);
  ~GdiSurface() override;
  GdiSurface(const GdiSurface&) = delete;
  GdiSurface& operator=(const GdiSurface&) = delete;

  HDC dc() const { return dc_; }
  // Fonts are made for a monitor of `dpi` while the heights the control gives are for the
  // form's `layout_dpi`; the current font is made again at once.
  void SetFontDpi(std::int32_t dpi, std::int32_t layout_dpi);
  double DpiScale() const { return static_cast<double>(fontDpi_) / layoutDpi_; }
  // Off: fonts are made at the heights given, whatever the monitor (a program's own font).
  void SetFontScaled(bool on);
  void SetSize(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
  }

  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }
  std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(dc_); }
  Color SysColor(std::int32_t index) const override;
  void SetBackColor(Color c) override { backColor_ = c; }
  Color BackColor() const override { return backColor_; }
  void SetForeColor(Color c) override { foreColor_ = c; }
  Color ForeColor() const override { return foreColor_; }
  void SetDrawMode(std::int32_t mode) override;
  std::int32_t DrawMode() const override;
  void Cls() override;
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) override;
  void FillRect(const Rect& r, Color color) override;
  void FrameRect(const Rect& r, Color color) override;
  void SetPixel(std::int32_t x, std::int32_t y, Color color) override;
  Color GetPixel(std::int32_t x, std::int32_t y) const override;
  std::int32_t StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh, std::int32_t sx,
                             std::int32_t sy, std::int32_t sw, std::int32_t sh, const DibBits& bits,
                             std::uint32_t rop) override;
  void DrawEdge(const Rect& r, std::uint32_t edge, std::uint32_t flags) override;
  void DrawFocusRect(const Rect& r) override;
  void SetFont(const FontDescription& font) override;
  const FontDescription& Font() const override { return font_; }
  void SetTextColor(Color c) override;
  Size MeasureText(std::u16string_view text) override;
  void DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) override;
  bool DrawIcon(const Picture& icon, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) override;
  bool StretchBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                         std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh) override;
  bool TransparentBltPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                             std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh,
                             Color transparent) override;
  bool ReadPictureBits(const Picture& picture, PicturePlane plane, std::vector<std::uint8_t>& bits, std::int32_t& width,
                       std::int32_t& height) override;
  std::uintptr_t SetWindowRegion(const RegionShape& region) override;

 protected:
  // Restores the DC's font and clip region and frees what the surface made.
  void ReleaseObjects();

 private:
  HDC dc_;
  std::int32_t width_;
  std::int32_t height_;
  HWND window_;
  HRGN clipRegion_ = nullptr;        // the region clipping a window-less DC
  RegionShape windowShape_;          // the shape last handed to the window
  std::uintptr_t windowRegion_ = 0;  // and its handle, which the window owns
  HFONT fontHandle_ = nullptr;
  HGDIOBJ previousFont_ = nullptr;
  FontDescription font_;
  std::int32_t fontDpi_ = 96;
  bool fontScaled_ = true;
  std::int32_t layoutDpi_ = 96;
  Color backColor_;
  Color foreColor_ = 0;
};

// A memory DC with a top-down 32-bit DIB section selected, and a GdiSurface on it.
class GdiDibSurface : public GdiSurface {
 public:
  static std::unique_ptr<GdiDibSurface> Create(std::int32_t width, std::int32_t height);
  ~GdiDibSurface() override;
  // The DIB's pixels, rows top-down, 0x00RRGGBB in the low 24 bits (GdiFlush first).
  std::uint32_t* Pixels() const;

 private:
  GdiDibSurface(HDC dc, HBITMAP bitmap, HGDIOBJ previous, void* bits, std::int32_t width, std::int32_t height);
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  void* bits_;
};

// Builds a GDI region for a shape (caller owns it).
HRGN CreateRegion(const RegionShape& shape);

}  // namespace quillet
