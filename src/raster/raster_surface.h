// src/raster: the software drawing surface, pixel-exact to GDI on a 32-bit DIB, its
// region mask, system colours and pictures, and off Windows the FreeType text engine and the
// libpng writer. It may include button/ (the surface interface) and formats/, never a Windows
// header.
//
// A software drawing surface: a 32-bit pixel buffer with a window-region mask. Everything
// but text lands on the same pixels as GDI on a 32-bit DIB (as Wine draws them).
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "button/surface.h"
#include "raster/system_colors.h"

namespace quillet {

class RasterSurface;

// Draws and measures text for a RasterSurface. Prefix processing is done by the surface;
// the engine gets plain text and the index of the character to underline (or -1).
class RasterTextEngine {
 public:
  virtual ~RasterTextEngine() = default;
  // Extent of one line: advance width and cell height.
  virtual Size Measure(const FontDescription& font, std::u16string_view text) = 0;
  // Draws one line with the top-left of its cell at (x, y), clipped to `clip`.
  virtual void Draw(RasterSurface& target, const FontDescription& font, std::u16string_view text, std::int32_t x,
                    std::int32_t y, Color color, std::int32_t underline_index, const Rect& clip) = 0;
};

class RasterSurface : public Surface {
 public:
  RasterSurface(std::int32_t width, std::int32_t height, const SystemColorTable& colors = DefaultSystemColors());

  // Resizes the buffer (contents cleared to black) and drops the window region.
  void Resize(std::int32_t width, std::int32_t height);
  void SetSystemColors(const SystemColorTable& colors) { sysColors_ = colors; }
  void SetTextEngine(std::shared_ptr<RasterTextEngine> engine) { textEngine_ = std::move(engine); }

  // Pixels top-down, 0x00RRGGBB in the low 24 bits (the DIB layout). The top byte is not
  // colour; compare with the low 24 bits only.
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
  std::vector<std::uint32_t>& MutablePixels() { return pixels_; }
  // 1 inside the window region (all 1 while none is set).
  bool HasRegion() const { return hasRegion_; }
  const std::vector<std::uint8_t>& RegionMaskBits() const { return region_; }
  bool Visible(std::int32_t x, std::int32_t y) const;

  // For text engines: mixes `color` into (x, y) by coverage 0..255, inside the clip.
  void BlendPixel(std::int32_t x, std::int32_t y, Color color, std::uint8_t coverage);
  // Blends `count` coverage values onto row y from x on, inside clip and the region: what
  // BlendPixel does for each, in one pass.
  void BlendRun(std::int32_t x, std::int32_t y, const std::uint8_t* coverage, std::int32_t count, Color color,
                const Rect& clip);

  // Surface
  std::int32_t Width() const override { return width_; }
  std::int32_t Height() const override { return height_; }
  Color SysColor(std::int32_t index) const override;
  void SetBackColor(Color c) override { backColor_ = c; }
  Color BackColor() const override { return backColor_; }
  void SetForeColor(Color c) override { foreColor_ = c; }
  Color ForeColor() const override { return foreColor_; }
  void SetDrawMode(std::int32_t mode) override;
  std::int32_t DrawMode() const override { return drawMode_; }
  void Cls() override;
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) override;
  void FillRect(const Rect& r, Color color) override;
  void FrameRect(const Rect& r, Color color) override;
  void SetPixel(std::int32_t x, std::int32_t y, Color color) override;
  Color GetPixel(std::int32_t x, std::int32_t y) const override;
  std::int32_t StretchDIBits(std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh, std::int32_t sx,
                             std::int32_t sy, std::int32_t sw, std::int32_t sh, const DibBits& bits,
                             std::uint32_t rop) override;
  bool FillGradient(const Rect& r, Color color1, Color color2, std::int32_t direction) override;
  void DrawEdge(const Rect& r, std::uint32_t edge, std::uint32_t flags) override;
  void DrawFocusRect(const Rect& r) override;
  void SetFont(const FontDescription& font) override { font_ = font; }
  const FontDescription& Font() const override { return font_; }
  void SetTextColor(Color c) override { textColor_ = c; }
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

 private:
  void Put(std::int32_t x, std::int32_t y, std::uint32_t pixel);
  void PutRop2(std::int32_t x, std::int32_t y, std::uint32_t pixel, std::int32_t rop2);
  void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t pixel, std::int32_t rop2);
  void FillPixels(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::uint32_t pixel);
  // The visible run [left, right) of row y within [l, r); false when the region does not
  // cover the row in one run (then the mask decides pixel by pixel).
  bool VisibleRun(std::int32_t y, std::int32_t l, std::int32_t r, std::int32_t& left, std::int32_t& right) const {
    left = l;
    right = r;
    if (!hasRegion_) return true;
    if (!regionInRuns_) return false;
    left = std::max(l, runLeft_[static_cast<std::size_t>(y)]);
    right = std::max(left, std::min(r, runRight_[static_cast<std::size_t>(y)]));
    return true;
  }
  bool CopyPicture(const Picture& bitmap, std::int32_t dx, std::int32_t dy, std::int32_t dw, std::int32_t dh,
                   std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh, bool use_transparent,
                   Color transparent);

  std::int32_t width_;
  std::int32_t height_;
  std::vector<std::uint32_t> pixels_;
  std::vector<std::uint8_t> region_;
  bool hasRegion_ = false;
  RegionShape regionShape_;  // what region_ was built from
  // Per row, the one run the region covers ([runLeft_, runRight_)), when every row has at
  // most one: rectangles and rounded rectangles do.
  bool regionInRuns_ = false;
  std::vector<std::int32_t> runLeft_;
  std::vector<std::int32_t> runRight_;
  std::uintptr_t nextRegionHandle_ = 0x100;
  SystemColorTable sysColors_;
  Color backColor_;
  Color foreColor_ = 0;
  Color textColor_ = 0;
  std::int32_t drawMode_ = kDrawModeCopyPen;
  FontDescription font_;
  std::shared_ptr<RasterTextEngine> textEngine_;
};

// The 32-bit pixel GDI stores for a COLORREF: plain RGB, or an entry of the default
// palette for PALETTEINDEX values (black for indices past it).
std::uint32_t ColorToPixel(Color color);
inline Color PixelToColor(std::uint32_t pixel) {
  return MakeColor(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                   static_cast<std::uint8_t>(pixel));
}

// DrawText's prefix processing: "&x" shows x underlined, "&&" one "&". Returns the text
// to show; `underline` gets the index of the underlined character or -1.
std::u16string StripPrefixes(std::u16string_view text, std::int32_t& underline);

}  // namespace quillet
