// The gallery sheet of quillet-render: its command line, the built-in font both tools draw
// text with, and how the cells are laid out and composed.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "builtin_font.h"
#include "builtin_text_surface.h"
#include "gallery_sheet.h"
#include "raster/raster_surface.h"
#include "render_options.h"

namespace quillet::render {
namespace {

TEST(GalleryOptions, StyleOutsideTheSixteenAndGalleryWithOtherOptionsAreRefused) {
  for (const char* bad : {"16", "-1", "2147483647"}) {
    const ParseResult r = ParseRenderOptions({"--style", bad, "--out", "x.png"});
    EXPECT_FALSE(r.options) << bad;
    EXPECT_NE(r.error.find("--style"), std::string::npos) << bad;
  }
  EXPECT_EQ(ParseRenderOptions({"--style", "15", "--out", "x.png"}).options->style, 15);
  EXPECT_EQ(ParseRenderOptions({"--style", "0", "--out", "x.png"}).options->style, 0);

  const ParseResult sheet = ParseRenderOptions({"--out", "g.png", "--gallery"});
  ASSERT_TRUE(sheet.options) << sheet.error;
  EXPECT_TRUE(sheet.options->gallery);
  EXPECT_EQ(sheet.options->out, "g.png");
  EXPECT_FALSE(ParseRenderOptions({"--out", "g.png"}).options->gallery);
  EXPECT_FALSE(ParseRenderOptions({"--gallery"}).options);  // still needs --out
  const ParseResult mixed = ParseRenderOptions({"--gallery", "--style", "3", "--out", "g.png"});
  EXPECT_FALSE(mixed.options);
  EXPECT_NE(mixed.error.find("--gallery"), std::string::npos);
  EXPECT_NE(RenderUsage().find("--gallery"), std::string::npos);
}

// Ink of DrawBuiltinText as "#"/"." rows over a small area.
std::vector<std::string> Ink(std::u16string_view text, std::int32_t underline, std::int32_t w, std::int32_t h) {
  std::vector<std::string> rows(static_cast<std::size_t>(h), std::string(static_cast<std::size_t>(w), '.'));
  DrawBuiltinText(text, 0, 0, underline, [&](std::int32_t x, std::int32_t y) {
    if (x >= 0 && y >= 0 && x < w && y < h) rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = '#';
  });
  return rows;
}

TEST(BuiltinFont, GlyphsSitInTheirCellsWithDescendersAndUnderline) {
  EXPECT_EQ(MeasureBuiltinText(u"PixelCapsule"), (Size{72, 12}));
  EXPECT_EQ(MeasureBuiltinText(u""), (Size{0, 12}));
  // "Tg": T on the baseline, g below it, the second cell starting at column 6, a blank top
  // row, and the underline of the second character on row 10.
  const std::vector<std::string> expected = {
      "............", "#####.......", "..#.........", "..#....####.", "..#...#...#.", "..#...#...#.",
      "..#...#...#.", "..#....####.", "..........#.", ".......###..", "......######", "............",
  };
  EXPECT_EQ(Ink(u"Tg", 1, 12, 12), expected);
  // A character the font lacks is a box, not nothing.
  const auto box = Ink(u"\u786e", -1, 6, 12);
  EXPECT_EQ(box[1], "#####.");
  EXPECT_EQ(box[4], "#...#.");
  EXPECT_EQ(box[7], "#####.");
}

TEST(BuiltinFont, SurfaceDrawsCaptionsClippedWithTheAccessKeyAndKeepsTheRasterOperation) {
  RasterSurface raster(20, 14);
  raster.SetBackColor(0xFFFFFF);
  raster.Cls();
  BuiltinTextSurface text(raster);
  text.SetTextColor(0x0000FF);
  raster.SetDrawMode(kDrawModeInvert);
  EXPECT_EQ(text.MeasureText(u"&Ab"), (Size{18, 12}));  // measured as stored
  // "&&" shows one "&" (missing from the font: a box), "&b" underlines b; the rectangle
  // ends at x 10, so b's cell (6..11) is cut at its fifth column.
  text.DrawText(u"&&&b", Rect{0, 1, 10, 14}, kDtSingleLine);
  EXPECT_EQ(raster.DrawMode(), kDrawModeInvert);
  EXPECT_EQ(raster.GetPixel(0, 2), 0x0000FFu);   // top-left of the box
  EXPECT_EQ(raster.GetPixel(6, 2), 0x0000FFu);   // b's stem
  EXPECT_EQ(raster.GetPixel(9, 11), 0x0000FFu);  // underline, last column inside
  EXPECT_EQ(raster.GetPixel(10, 11), 0xFFFFFFu); // clipped
  EXPECT_EQ(raster.GetPixel(0, 11), 0xFFFFFFu);  // the "&" is not underlined
  // kDtNoPrefix draws the marker itself: two boxes.
  raster.Cls();
  text.DrawText(u"&b", Rect{0, 0, 20, 14}, kDtSingleLine | kDtNoPrefix);
  EXPECT_EQ(raster.GetPixel(0, 1), 0x0000FFu);
  EXPECT_EQ(raster.GetPixel(6, 1), 0x0000FFu);
  EXPECT_EQ(raster.GetPixel(6, 10), 0xFFFFFFu);
}

TEST(GallerySheet, SixteenRowsOfSevenStatesLaidOutWithoutOverlap) {
  EXPECT_EQ(GalleryRowLabel(0), u"0 Classic3D");
  EXPECT_EQ(GalleryRowLabel(11), u"11 Popup3D");
  EXPECT_EQ(GalleryRowLabel(12), u"12 PopupThin");
  EXPECT_EQ(GalleryRowLabel(15), u"15 SideGradient");
  EXPECT_EQ(GalleryStateName(0), u"normal");
  EXPECT_EQ(GalleryStateName(6), u"disabled");
  EXPECT_TRUE(GalleryStateName(7).empty());

  // Margins 8, label column 110, heading 16, cells 112 x 30 with gaps of 8.
  EXPECT_EQ(GallerySheetSize(), (Size{958, 632}));
  EXPECT_EQ(GalleryButtonRect(0, 0), (Rect{118, 24, 230, 54}));
  EXPECT_EQ(GalleryButtonRect(15, 6), (Rect{838, 594, 950, 624}));
  for (std::int32_t style = 0; style < 16; ++style) {
    // The longest label ends before the first column.
    const Point label = GalleryRowLabelAt(style);
    EXPECT_LE(label.x + MeasureBuiltinText(GalleryRowLabel(style)).cx, GalleryButtonRect(style, 0).left);
    for (std::int32_t column = 0; column + 1 < 7; ++column)
      EXPECT_LT(GalleryButtonRect(style, column).right, GalleryButtonRect(style, column + 1).left);
    if (style < 15) {
      EXPECT_LT(GalleryButtonRect(style, 0).bottom, GalleryButtonRect(style + 1, 0).top);
    }
  }
  EXPECT_LT(GalleryHeadingAt(6).y + 12, GalleryButtonRect(0, 6).top);
}

TEST(GallerySheet, EachCellAsksForItsStyleAndStateAndShowsOnlyInsideItsRegion) {
  const RenderOptions hot = GalleryCellOptions(11, 1), checked = GalleryCellOptions(14, 5),
                      disabled = GalleryCellOptions(15, 6), focused = GalleryCellOptions(3, 3),
                      by_default = GalleryCellOptions(9, 4), normal = GalleryCellOptions(0, 0);
  EXPECT_EQ(hot.style, 11);
  EXPECT_EQ(hot.look, Look::Hot);
  EXPECT_EQ(hot.caption, u"Popup3D");
  EXPECT_EQ(GalleryCellOptions(5, 2).look, Look::Pressed);
  EXPECT_TRUE(checked.checkbox && checked.value);
  EXPECT_FALSE(disabled.enabled);
  EXPECT_TRUE(focused.focus);
  EXPECT_TRUE(by_default.display_as_default);
  EXPECT_FALSE(normal.focus || normal.display_as_default || normal.checkbox || !normal.enabled);
  EXPECT_EQ(normal.look, Look::Normal);

  // Every cell paints a solid colour of its own; the style-5 cells have a rounded region.
  std::set<std::pair<int, int>> asked;
  const auto paint = [&](const RenderOptions& o) {
    const int column = o.look == Look::Hot ? 1 : o.look == Look::Pressed ? 2 : o.focus ? 3
                       : o.display_as_default ? 4 : o.checkbox ? 5 : !o.enabled ? 6 : 0;
    asked.insert({o.style, column});
    CellPixels cell{o.width, o.height,
                    std::vector<std::uint32_t>(static_cast<std::size_t>(o.width) * o.height,
                                               static_cast<std::uint32_t>(o.style * 16 + column)),
                    std::nullopt};
    if (o.style == 5) cell.region = RegionShape::FromRoundRect(0, 0, o.width + 1, o.height + 1, 18, 18);
    return cell;
  };
  const std::vector<std::uint32_t> sheet = ComposeGallery(paint, 0x00332211, 0);
  EXPECT_EQ(asked.size(), 16u * 7u);
  const Size size = GallerySheetSize();
  ASSERT_EQ(sheet.size(), static_cast<std::size_t>(size.cx) * size.cy);
  auto at = [&](std::int32_t x, std::int32_t y) { return sheet[static_cast<std::size_t>(y) * size.cx + x]; };
  EXPECT_EQ(at(0, 0), 0x112233u);          // the window colour, as 0x00RRGGBB
  EXPECT_EQ(at(117, 24), 0x112233u);       // just left of the first cell
  EXPECT_EQ(at(118, 24), 0u);              // style 0, normal
  EXPECT_EQ(at(949, 623), 15u * 16 + 6);   // style 15, disabled, last pixel
  EXPECT_EQ(at(950, 623), 0x112233u);
  const Rect pressed5 = GalleryButtonRect(5, 2);
  EXPECT_EQ(at(pressed5.left, pressed5.top), 0x112233u);           // cut off by the round corner
  EXPECT_EQ(at(pressed5.left + 56, pressed5.top), 5u * 16 + 2);    // the top edge's middle
  // Labels: "0 Classic3D" starts with the 0's top bar, in the ink colour.
  const Point label = GalleryRowLabelAt(0);
  EXPECT_EQ(at(label.x + 1, label.y + 1), 0u);
  EXPECT_EQ(at(label.x, label.y + 1), 0x112233u);

  // A cell painted at the wrong size spoils the sheet instead of leaving a hole.
  EXPECT_TRUE(ComposeGallery([](const RenderOptions& o) { return CellPixels{o.width - 1, o.height, {}, {}}; },
                             0, 0).empty());
}

}  // namespace
}  // namespace quillet::render
