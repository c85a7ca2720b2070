#include "gallery_sheet.h"

#include <array>
#include <cstdio>

#include "builtin_font.h"
#include "button/style_names.h"
#include "formats/png_encode.h"
#include "raster/region_mask.h"

namespace quillet::render {
namespace {

constexpr std::int32_t kMargin = 8;
constexpr std::int32_t kLabelWidth = 110;  // "10 BandedGradient" is 102 pixels
constexpr std::int32_t kHeadingHeight = 16;
constexpr std::int32_t kGap = 8;

std::uint32_t ToPixel(Color c) { return (static_cast<std::uint32_t>(RedOf(c)) << 16) | (GreenOf(c) << 8) | BlueOf(c); }

}  // namespace

std::u16string_view GalleryStateName(std::int32_t column) {
  static constexpr std::array<std::u16string_view, kGalleryStateCount> kNames = {
      u"normal", u"hot", u"pressed", u"focused", u"default", u"checked", u"disabled"};
  if (column < 0 || column >= kGalleryStateCount) return {};
  return kNames[static_cast<std::size_t>(column)];
}

std::u16string GalleryRowLabel(std::int32_t style) {
  std::u16string label;
  for (char c : std::to_string(style)) label.push_back(static_cast<char16_t>(c));
  label += u' ';
  label += ButtonStyleName(style);
  return label;
}

Size GallerySheetSize() {
  return Size{kMargin + kLabelWidth + kGalleryStateCount * (kGalleryButtonWidth + kGap) - kGap + kMargin,
              kMargin + kHeadingHeight + kButtonStyleCount * (kGalleryButtonHeight + kGap) - kGap + kMargin};
}

Rect GalleryButtonRect(std::int32_t style, std::int32_t column) {
  const std::int32_t left = kMargin + kLabelWidth + column * (kGalleryButtonWidth + kGap);
  const std::int32_t top = kMargin + kHeadingHeight + style * (kGalleryButtonHeight + kGap);
  return Rect{left, top, left + kGalleryButtonWidth, top + kGalleryButtonHeight};
}

Point GalleryRowLabelAt(std::int32_t style) {
  const Rect b = GalleryButtonRect(style, 0);
  return Point{kMargin, b.top + (kGalleryButtonHeight - kBuiltinCellHeight) / 2};
}

Point GalleryHeadingAt(std::int32_t column) {
  const Rect b = GalleryButtonRect(0, column);
  const std::int32_t width = MeasureBuiltinText(GalleryStateName(column)).cx;
  return Point{b.left + (kGalleryButtonWidth - width) / 2, kMargin};
}

RenderOptions GalleryCellOptions(std::int32_t style, std::int32_t column) {
  RenderOptions o;
  o.style = style;
  o.width = kGalleryButtonWidth;
  o.height = kGalleryButtonHeight;
  const std::u16string_view name = ButtonStyleName(style);
  o.caption.assign(name.begin(), name.end());
  switch (column) {
    case 1: o.look = Look::Hot; break;
    case 2: o.look = Look::Pressed; break;
    case 3: o.focus = true; break;
    case 4: o.display_as_default = true; break;
    case 5: o.checkbox = o.value = true; break;
    case 6: o.enabled = false; break;
    default: break;
  }
  return o;
}

std::vector<std::uint32_t> ComposeGallery(const CellPainter& paint, Color window, Color ink) {
  const Size size = GallerySheetSize();
  std::vector<std::uint32_t> sheet(static_cast<std::size_t>(size.cx) * size.cy, ToPixel(window));
  auto plot = [&](std::int32_t x, std::int32_t y) {
    if (x >= 0 && y >= 0 && x < size.cx && y < size.cy) sheet[static_cast<std::size_t>(y) * size.cx + x] = ToPixel(ink);
  };
  for (std::int32_t column = 0; column < kGalleryStateCount; ++column) {
    const Point at = GalleryHeadingAt(column);
    DrawBuiltinText(GalleryStateName(column), at.x, at.y, -1, plot);
  }
  for (std::int32_t style = 0; style < kButtonStyleCount; ++style) {
    const Point at = GalleryRowLabelAt(style);
    DrawBuiltinText(GalleryRowLabel(style), at.x, at.y, -1, plot);
    for (std::int32_t column = 0; column < kGalleryStateCount; ++column) {
      const CellPixels cell = paint(GalleryCellOptions(style, column));
      const Rect place = GalleryButtonRect(style, column);
      if (cell.width != place.right - place.left || cell.height != place.bottom - place.top ||
          cell.pixels.size() != static_cast<std::size_t>(cell.width) * cell.height)
        return {};
      const std::vector<std::uint8_t> inside = cell.region ? RegionMask(*cell.region, cell.width, cell.height)
                                                           : std::vector<std::uint8_t>(cell.pixels.size(), 1);
      for (std::int32_t y = 0; y < cell.height; ++y)
        for (std::int32_t x = 0; x < cell.width; ++x) {
          const std::size_t i = static_cast<std::size_t>(y) * cell.width + x;
          if (inside[i])
            sheet[static_cast<std::size_t>(place.top + y) * size.cx + place.left + x] = cell.pixels[i] & 0xFFFFFF;
        }
    }
  }
  return sheet;
}

int WriteGallery(const RenderOptions& o, const CellPainter& paint, Color window, Color ink) {
  const Size size = GallerySheetSize();
  const std::vector<std::uint32_t> sheet = ComposeGallery(paint, window, ink);
  if (sheet.empty()) {
    std::fprintf(stderr, "quillet-render: a button of the gallery could not be drawn\n");
    return 1;
  }
  std::vector<std::uint8_t> rgba;
  rgba.reserve(sheet.size() * 4);
  for (std::uint32_t p : sheet) {
    rgba.push_back(static_cast<std::uint8_t>(p >> 16));
    rgba.push_back(static_cast<std::uint8_t>(p >> 8));
    rgba.push_back(static_cast<std::uint8_t>(p));
    rgba.push_back(0xFF);
  }
  if (!WritePngFile(o.out, size.cx, size.cy, rgba)) {
    std::fprintf(stderr, "quillet-render: cannot write %s\n", o.out.c_str());
    return 1;
  }
  return 0;
}

}  // namespace quillet::render
