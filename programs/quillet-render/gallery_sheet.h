// The gallery sheet: every ButtonStyle in a row, every state in a column, each button
// captioned with its style's name, on the window colour, rows labelled with the style's
// number and name, columns with the state. Layout and composition are shared by both tools;
// each tool only paints the single buttons.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render_options.h"

namespace quillet::render {

constexpr std::int32_t kGalleryStateCount = 7;
constexpr std::int32_t kGalleryButtonWidth = 112;
constexpr std::int32_t kGalleryButtonHeight = 30;

// "normal", "hot", "pressed", "focused", "default", "checked", "disabled".
std::u16string_view GalleryStateName(std::int32_t column);
// "11 Popup3D".
std::u16string GalleryRowLabel(std::int32_t style);

Size GallerySheetSize();
// Where the button of `style` in state `column` lies on the sheet.
Rect GalleryButtonRect(std::int32_t style, std::int32_t column);
// Top-left of the cells of the row label and of the column heading.
Point GalleryRowLabelAt(std::int32_t style);
Point GalleryHeadingAt(std::int32_t column);

// How quillet-render is asked for the button of one cell.
RenderOptions GalleryCellOptions(std::int32_t style, std::int32_t column);

// One painted button: pixels 0x00RRGGBB, rows top-down, and its last window region.
struct CellPixels {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;
  std::optional<RegionShape> region;
};
using CellPainter = std::function<CellPixels(const RenderOptions&)>;

// The sheet's pixels (0x00RRGGBB, top-down): `window` (a COLORREF) everywhere, each cell's
// button inside its window region, labels in `ink`. Empty when a button could not be painted
// at its size.
std::vector<std::uint32_t> ComposeGallery(const CellPainter& paint, Color window, Color ink);

// Composes the sheet and writes it, opaque, to o.out; answers the exit code.
int WriteGallery(const RenderOptions& o, const CellPainter& paint, Color window, Color ink);

}  // namespace quillet::render
