// Caption and picture drawn by a real Redraw: where the caption goes, in which colour, and
// which picture lands where in which look, with mask colour, icons and the grey copy.
#include "support/caption_fixture.h"

namespace quillet::testing {
namespace {

// A style without a renderer: only the cleared surface lies under caption and picture.
constexpr auto kBare = static_cast<ButtonStyle>(16);

class CaptionPictureTest : public CaptionTest {
 protected:
  // Expects the top-left w x h pixels of `p` at (x, y).
  void ExpectPictureAt(const Picture& p, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    const PictureImage& img = p.Image();
    for (std::int32_t j = 0; j < h; ++j)
      for (std::int32_t i = 0; i < w; ++i)
        ASSERT_EQ(At(x + i, y + j), PixelToColor(img.pixels[static_cast<std::size_t>(j) * img.width + i]))
            << i << "," << j;
  }
  // What Cls fills with: the surface keeps a system colour as such.
  Color Background() {
    const Color back = host.Raster().BackColor();
    return back & 0x80000000u ? host.Raster().SysColor(static_cast<std::int32_t>(back & 0xFF)) : back;
  }
};

TEST_F(CaptionPictureTest, CaptionIsDrawnAtItsRectangleInTheForeOrGreyTextColour) {
  Button().ButtonStyle(ButtonStyle::NavyFrame);
  Button().ForeColor(0x123456);
  Button().Caption(u"OK");
  EXPECT_EQ(LastText().text, u"OK");
  EXPECT_EQ(LastText().x, 30);
  EXPECT_EQ(LastText().y, 9);
  EXPECT_EQ(LastText().color, 0x123456u);
  EXPECT_EQ(Button().CaptionFocusRect(), (Rect{28, 9, 71, 23}));

  // Pressed keeps the last focus rectangle and, for this style, the caption position.
  host.Form().Activate();
  host.MovePointerTo(50, 15);
  host.PressButton();
  EXPECT_EQ(LastText().x, 30);
  Button().CaptionAlign(CaptionAlign::CaptionRight);
  EXPECT_EQ(LastText().x, 56);
  EXPECT_EQ(Button().CaptionFocusRect(), (Rect{28, 9, 71, 23}));

  Button().Enabled(false);
  EXPECT_EQ(LastText().color, host.Raster().SysColor(kColorGrayText));
}

TEST_F(CaptionPictureTest, AccessKeyMarkersAreMeasuredButShiftTheCaptionAndUnderline) {
  Button().Caption(u"OK");
  const std::int32_t plain = LastText().x;
  Button().Caption(u"&OK");
  EXPECT_EQ(LastText().x, plain + 3);
  EXPECT_EQ(LastText().text, u"OK");
  EXPECT_EQ(LastText().underline, 0);
  EXPECT_EQ(Button().AccessKeys(), u"o");
  Button().Caption(u"Save && E&xit");
  EXPECT_EQ(LastText().x, plain + 3);
  EXPECT_EQ(LastText().text, u"Save & Exit");
  EXPECT_EQ(Button().AccessKeys(), u"x");
  for (const char16_t* none : {u"OK&", u"&", u"A&&B", u"A&&B&&C&D"}) {
    Button().Caption(none);
    EXPECT_EQ(LastText().x, plain) << std::string(none, none + 1);
    EXPECT_EQ(Button().AccessKeys(), u"");
  }
}

TEST_F(CaptionPictureTest, BitmapIsCopiedAtItsPlaceAndMaskColourStaysUnpainted) {
  Button().ButtonStyle(kBare);
  PicturePtr pic = PatternPicture(PictureType::Bitmap, 16, 16);
  const Color masked = PixelToColor(pic->Image().pixels[5 * 16 + 3]);
  Button().PictureAlign(PictureAlign::PictureLeftEdge);
  Button().Picture(pic);
  ExpectPictureAt(*pic, 4, 7, 16, 16);
  EXPECT_EQ(Button().PictureDrawWidth(), 16);

  Button().MaskColor(masked);
  Button().UseMaskColor(true);
  EXPECT_EQ(At(4 + 3, 7 + 5), Background());
  EXPECT_EQ(At(4 + 4, 7 + 5), PixelToColor(pic->Image().pixels[5 * 16 + 4]));

  // A fixed picture size crops a bitmap rather than scaling it.
  Button().UseMaskColor(false);
  Button().PictureSize(PictureSize::Picture24);
  ExpectPictureAt(*pic, 4, 3, 16, 16);
  EXPECT_EQ(Button().PictureDrawHeight(), 24);
}

TEST_F(CaptionPictureTest, AStoredButtonWithoutAPictureSizeDrawsItsPictureAtItsNaturalSize) {
  PicturePtr pic = PatternPicture(PictureType::Bitmap, 21, 13);
  PersistedPropertySet set;
  set.Put("buttonstyle", std::int32_t{16});
  set.Put("picturealign", std::int32_t{0});
  set.Put("picture", pic);
  host.Load(set);
  EXPECT_EQ(Button().PictureSize(), PictureSize::PictureNatural);
  EXPECT_EQ(Button().PictureDrawWidth(), 21);
  EXPECT_EQ(Button().PictureDrawHeight(), 13);
  // 4 in from the left edge, (30 - 13) / 2 = 8 down.
  ExpectPictureAt(*pic, 4, 8, 21, 13);
  EXPECT_EQ(At(4 + 21, 8), Background());
}

TEST_F(CaptionPictureTest, HoverPictureShowsWhenHotOrCheckedAndOnlyForTheSameType) {
  Button().ButtonStyle(kBare);
  host.Form().Activate();
  PicturePtr pic = PatternPicture(PictureType::Bitmap, 16, 16, 0x101010);
  PicturePtr hover = PatternPicture(PictureType::Bitmap, 16, 16, 0x808080);
  Button().PictureAlign(PictureAlign::PictureCenter);
  Button().Picture(pic);
  Button().PictureHover(hover);
  ExpectPictureAt(*pic, 42, 7, 16, 16);
  host.MovePointerTo(10, 10);
  ExpectPictureAt(*hover, 42, 7, 16, 16);
  host.MovePointerAway();
  ExpectPictureAt(*pic, 42, 7, 16, 16);
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectPictureAt(*hover, 42, 7, 16, 16);

  // An icon as hover picture of a bitmap is not used.
  Button().CheckBoxMode(false);
  Button().PictureHover(PatternPicture(PictureType::Icon, 16, 16, 0x404040));
  host.MovePointerTo(10, 10);
  ExpectPictureAt(*pic, 42, 7, 16, 16);
}

TEST_F(CaptionPictureTest, IconsKeepTheBackgroundWhereTheirMaskIsSet) {
  Button().ButtonStyle(kBare);
  PictureImage image = PatternPicture(PictureType::Icon, 16, 16)->Image();
  for (std::int32_t x = 0; x < 16; ++x) image.mask[static_cast<std::size_t>(2 * 16 + x)] = 1;
  for (std::int32_t x = 0; x < 16; ++x) image.pixels[static_cast<std::size_t>(2 * 16 + x)] = 0;
  auto icon = std::make_shared<MemoryPicture>(PictureType::Icon, image);
  Button().PictureAlign(PictureAlign::PictureLeftEdge);
  Button().Picture(icon);
  EXPECT_EQ(At(4 + 5, 7 + 2), Background());
  EXPECT_EQ(At(4 + 5, 7 + 3), PixelToColor(image.pixels[3 * 16 + 5]));
}

TEST_F(CaptionPictureTest, DisabledPicturesAreGreyAndScaledToTheDrawingSize) {
  Button().ButtonStyle(kBare);
  PictureImage image;
  image.width = image.height = 16;
  image.pixels.assign(256, 0x5B3C1E);  // red 91, green 60, blue 30
  image.pixels[0] = 0xFFFFFF;
  Button().PictureAlign(PictureAlign::PictureLeftEdge);
  Button().PictureSize(PictureSize::Picture32);
  Button().Picture(std::make_shared<MemoryPicture>(PictureType::Bitmap, image));
  Button().PictureHover(PatternPicture(PictureType::Bitmap, 16, 16));
  host.Form().Activate();
  host.MovePointerTo(50, 15);
  Button().Enabled(false);
  // Drawn 32 x 32 from (4, 1) (too tall for the button, so the height shrinks to 26).
  EXPECT_EQ(Button().PictureDrawHeight(), 26);
  EXPECT_EQ(At(4, 1), 0xFFFFFFu);
  EXPECT_EQ(At(5, 1), 0xFFFFFFu);  // one source pixel covers two drawn columns
  EXPECT_EQ(At(6, 1), MakeColor(60, 60, 60));
  EXPECT_EQ(At(35, 26), MakeColor(60, 60, 60));
  EXPECT_EQ(At(36, 20), Background());
}

TEST_F(CaptionPictureTest, DisabledIconsStayTransparentWhereMasked) {
  Button().ButtonStyle(kBare);
  PictureImage image = PatternPicture(PictureType::Icon, 16, 16)->Image();
  image.mask[0] = 1;
  image.pixels[0] = 0;
  const std::uint32_t p = image.pixels[1];
  Button().PictureAlign(PictureAlign::PictureLeftEdge);
  Button().Picture(std::make_shared<MemoryPicture>(PictureType::Icon, image));
  Button().Enabled(false);
  EXPECT_EQ(At(4, 7), Background());
  const auto grey = static_cast<std::uint8_t>(((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3);
  EXPECT_EQ(At(5, 7), MakeColor(grey, grey, grey));
}

}  // namespace
}  // namespace quillet::testing
