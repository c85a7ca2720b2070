#include "builtin_text_surface.h"

#include <string>

#include "builtin_font.h"
#include "raster/raster_surface.h"

namespace quillet::render {

void BuiltinTextSurface::SetTextColor(Color c) {
  textColor_ = c;
  RecordingSurface::SetTextColor(c);
}

Size BuiltinTextSurface::MeasureText(std::u16string_view text) { return MeasureBuiltinText(text); }

void BuiltinTextSurface::DrawText(std::u16string_view text, const Rect& r, std::uint32_t flags) {
  std::int32_t underline = -1;
  const std::u16string shown = (flags & kDtNoPrefix) ? std::u16string(text) : StripPrefixes(text, underline);
  // SetPixel ignores the raster operation on GDI; the raster honours it, so plain copy here.
  Surface& inner = Inner();
  const std::int32_t mode = inner.DrawMode();
  inner.SetDrawMode(kDrawModeCopyPen);
  DrawBuiltinText(shown, r.left, r.top, underline, [&](std::int32_t x, std::int32_t y) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom && x >= 0 && y >= 0 && x < inner.Width() &&
        y < inner.Height())
      inner.SetPixel(x, y, textColor_);
  });
  inner.SetDrawMode(mode);
}

}  // namespace quillet::render
