// A small fixed-pitch font drawn pixel by pixel, so that every surface writes the same ink
// for the same text: the gallery sheet's labels and its buttons' captions use it, which is
// what lets the raster tool and the GDI tool write the same file.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "button/surface.h"

namespace quillet::render {

// Every character takes a cell this wide and tall; glyphs are 5 x 9 (two rows below the
// baseline) starting one row down, and the access-key underline lies on row 10.
constexpr std::int32_t kBuiltinAdvance = 6;
constexpr std::int32_t kBuiltinCellHeight = 12;

Size MeasureBuiltinText(std::u16string_view text);

// Calls `plot` for every ink pixel of `text` whose cell row starts at (x, y); the character
// at `underline_index` (-1 for none) is underlined. Characters the font lacks show as a box.
void DrawBuiltinText(std::u16string_view text, std::int32_t x, std::int32_t y, std::int32_t underline_index,
                     const std::function<void(std::int32_t, std::int32_t)>& plot);

}  // namespace quillet::render
