// The drop-shadow look (style 5), every pixel of the button held against a picture built
// from the drawing rules: the face with its light border, the three grey shadow outlines
// and the form's colour around them, or the face moved three pixels when pressed.
#include <tuple>

#include "support/caption_fixture.h"
#include "support/dotted_rect.h"

namespace quillet::testing {
namespace {

constexpr Color kForm = 0x336699;  // the containing form's BackColor in these tests

struct Colours {
  Color back;     // BackColor
  Color face;     // the face as painted (disabled: one tenth lighter)
  Color border;   // the face + 0.3
  Color face_off; // disabled face
  Color border_off;
};
// Worked out by hand: each channel + 0.3 x 255 (76.5000003) or + 0.1 x 255 (25.5000004),
// rounded, clamped at 255.
constexpr Colours kDefault{0xAA6D00, 0xAA6D00, 0xF7BA4D, 0xC4871A, 0xFFD467};
constexpr Colours kBlack{0x000000, 0x000000, 0x4D4D4D, 0x1A1A1A, 0x676767};
constexpr Colours kWhite{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
constexpr Colours kSaturated{0x3366CC, 0x3366CC, 0x80B3FF, 0x4D80E6, 0x9ACDFF};

using Params = std::tuple<Size, Colours>;

class DropShadowTest : public CaptionTest, public ::testing::WithParamInterface<Params> {
 protected:
  DropShadowTest() : CaptionTest(std::get<0>(GetParam()).cx, std::get<0>(GetParam()).cy) {
    host.SetAmbient("BackColor", static_cast<std::int32_t>(kForm));
    Button().ButtonStyle(ButtonStyle::DropShadow);
    Button().BackColor(C.back);
    host.Form().Activate();
    host.PaintNow();
  }

  static bool OnOutline(std::int32_t x, std::int32_t y, std::int32_t l, std::int32_t t, std::int32_t r,
                        std::int32_t b) {
    return x >= l && x <= r && y >= t && y <= b && (x == l || x == r || y == t || y == b);
  }

  // Raised: face and border over (0..W-5, 0..H-5); the shadow outlines start at 4, 5, 6
  // and end at W-2, W-3, W-4 (the outermost painted last); the rest is the form.
  Color Raised(std::int32_t x, std::int32_t y, Color face, Color border) const {
    if (x <= W - 5 && y <= H - 5) return OnOutline(x, y, 0, 0, W - 5, H - 5) ? border : face;
    if (OnOutline(x, y, 4, 4, W - 2, H - 2)) return 0xC0C0C0;
    if (OnOutline(x, y, 5, 5, W - 3, H - 3)) return 0xA0A0A0;
    if (OnOutline(x, y, 6, 6, W - 4, H - 4)) return 0x808080;
    return kForm;
  }
  // Pressed: the face over (3..W-1, 3..H-1), the form above and to the left of it.
  Color Pressed(std::int32_t x, std::int32_t y, Color face, Color border) const {
    if (x < 3 || y < 3) return kForm;
    return OnOutline(x, y, 3, 3, W - 1, H - 1) ? border : face;
  }

  template <typename Model>
  void ExpectPicture(Model model, const char* what) {
    int wrong = 0;
    for (std::int32_t y = 0; y < H; ++y)
      for (std::int32_t x = 0; x < W; ++x)
        if (At(x, y) != model(x, y) && ++wrong <= 5)
          ADD_FAILURE() << what << " (" << x << "," << y << ") is " << std::hex << At(x, y) << ", not "
                        << model(x, y);
  }
  void ExpectRaised(Color face, Color border, const char* what) {
    ExpectPicture([&](std::int32_t x, std::int32_t y) { return Raised(x, y, face, border); }, what);
  }
  void ExpectPressed(Color face, Color border, const char* what) {
    ExpectPicture([&](std::int32_t x, std::int32_t y) { return Pressed(x, y, face, border); }, what);
  }

  // Pixels that change when the focus rectangle is drawn: all on the outline `r`, inverted,
  // about every other one of them, beginning with the top-right corner.
  void ExpectFocusRectangle(const Rect& r, const std::vector<std::uint32_t>& plain) {
    const std::vector<std::uint32_t>& dotted = host.Raster().Pixels();
    EXPECT_NEAR(DottedPixels(plain, dotted, W, r), HalfOutline(r), 3);
    const std::size_t corner = static_cast<std::size_t>(r.top) * W + (r.right - 1);
    EXPECT_EQ(dotted[corner] & 0xFFFFFF, ~plain[corner] & 0xFFFFFF);
  }

  const std::int32_t W = std::get<0>(GetParam()).cx;
  const std::int32_t H = std::get<0>(GetParam()).cy;
  const Colours C = std::get<1>(GetParam());
};

TEST_P(DropShadowTest, RestAndHotStandAboveTheShadowOnTheFormsColour) {
  ExpectRaised(C.face, C.border, "rest");
  ASSERT_FALSE(host.Regions().empty());
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRect(0, 0, W, H));
  EXPECT_EQ(host.Raster().BackColor(), kForm);

  host.ClearRecords();
  host.MovePointerTo(1, 1);
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  ExpectRaised(C.face, C.border, "hot");
  EXPECT_TRUE(host.Regions().empty());  // only the resting look rebuilds the region
  // The caption keeps the style's white.
  EXPECT_EQ(LastText().color, 0xFFFFFFu);
}

TEST_P(DropShadowTest, PressedOrCheckedMovesTheFaceIntoTheShadow) {
  Button().ShowFocusRect(false);  // pressing takes the focus
  host.MovePointerTo(1, 1);
  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  ExpectPressed(C.face, C.border, "pressed");

  host.ReleaseButton();
  host.MovePointerAway();
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectPressed(C.face, C.border, "checked");
}

TEST_P(DropShadowTest, DisabledIsTheSameDrawingOneTenthLighter) {
  Button().Enabled(false);
  ExpectRaised(C.face_off, C.border_off, "disabled");
  EXPECT_EQ(LastText().color, host.Raster().SysColor(kColorGrayText));
  // A checked disabled button arrives pressed and is drawn so.
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectPressed(C.face_off, C.border_off, "disabled and checked");
}

TEST_P(DropShadowTest, FocusRectangleStaysThreePixelsInsideTheFace) {
  EXPECT_EQ(host.Raster().DrawMode(), kDrawModeCopyPen);
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();
  host.Focus();
  host.PaintNow();
  ExpectFocusRectangle(Rect{3, 3, W - 6, H - 6}, rest);
  EXPECT_EQ(host.Raster().DrawMode(), kDrawModeInvert);  // left inverting

  host.MovePointerTo(4, 4);
  host.PressButton();
  const std::vector<std::uint32_t> pressed = PaintPlainThenDotted(host);
  ExpectFocusRectangle(Rect{6, 6, W - 3, H - 3}, pressed);
}

TEST_P(DropShadowTest, FocusRectangleNeedsAnActiveFormAndShowFocusRect) {
  const std::vector<std::uint32_t> rest = host.Raster().Pixels();
  // A default button shows it without the focus.
  host.ChangeAmbient("DisplayAsDefault", true);
  ExpectFocusRectangle(Rect{3, 3, W - 6, H - 6}, rest);
  Button().ShowFocusRect(false);
  host.PaintNow();
  EXPECT_EQ(host.Raster().Pixels(), rest);
  Button().ShowFocusRect(true);
  host.Form().Deactivate();
  host.PaintNow();
  EXPECT_EQ(host.Raster().Pixels(), rest);
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, DropShadowTest,
                         ::testing::Values(Params{Size{100, 30}, kDefault}, Params{Size{15, 15}, kSaturated},
                                           Params{Size{57, 21}, kBlack}, Params{Size{40, 64}, kWhite}));

// Single cases: colours from the system, the form's colour only once the style has run,
// and the failure rules.
class DropShadowOnce : public CaptionTest {
 protected:
  DropShadowOnce() : CaptionTest(57, 21) {}
};

TEST_F(DropShadowOnce, SystemColoursResolveForFaceAndForm) {
  SystemColorTable colours = DefaultSystemColors();
  colours[kColorBtnFace] = 0x204060;
  colours[kColorWindow] = 0x0A0B0C;
  host.Raster().SetSystemColors(colours);
  host.SetAmbient("BackColor", static_cast<std::int32_t>(0x80000005));
  Button().ButtonStyle(ButtonStyle::DropShadow);
  Button().BackColor(0x8000000F);
  host.PaintNow();
  EXPECT_EQ(At(10, 10), 0x204060u);
  EXPECT_EQ(At(0, 5), 0x6D8DADu);  // 0x204060 + 0.3 by hand
  EXPECT_EQ(At(56, 20), 0x0A0B0Cu);
  EXPECT_EQ(At(54, 0), 0x0A0B0Cu);
}

TEST_F(DropShadowOnce, TheFirstDrawingClearsToTheColourItHadBefore) {
  host.SetAmbient("BackColor", static_cast<std::int32_t>(0x00FF00));
  host.Raster().SetBackColor(0x0000FF);
  Button().ButtonStyle(ButtonStyle::DropShadow);  // the first redraw of this style
  // Cleared before the style ran: the uncovered corner shows the old colour ...
  EXPECT_EQ(At(56, 20), 0x0000FFu);
  host.PaintNow();
  // ... and the form's from the next redraw on.
  EXPECT_EQ(At(56, 20), 0x00FF00u);
}

TEST_F(DropShadowOnce, AtRestAFailureEndsTheLookQuietlyOtherwiseItReachesRedraw) {
  Button().ButtonStyle(ButtonStyle::DropShadow);
  host.Raster().SetBackColor(0x0000FF);
  host.failing_services.insert("Ambient");
  const std::size_t captions = text->drawn.size();
  EXPECT_NO_THROW(host.PaintNow());
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRect(0, 0, 57, 21));
  EXPECT_EQ(At(10, 10), 0x0000FFu);                 // nothing painted after the region
  EXPECT_EQ(text->drawn.size(), captions + 1);  // the caption still is

  host.failing_services.clear();
  host.MovePointerTo(3, 3);
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  host.failing_services.insert("Ambient");
  EXPECT_THROW(Button().Redraw(), HostError);
}

TEST_F(DropShadowOnce, AnotherStyleAfterAFocusedDropShadowDrawsItsLinesPlain) {
  host.Form().Activate();
  Button().ButtonStyle(ButtonStyle::DropShadow);
  host.Focus();
  host.PaintNow();
  ASSERT_EQ(host.Raster().DrawMode(), kDrawModeInvert);
  Button().ButtonStyle(ButtonStyle::NavyFrame);
  EXPECT_EQ(host.Raster().DrawMode(), kDrawModeCopyPen);
  // The navy frame's blue focus trim, left column 1 and top row 1, as its table gives them.
  EXPECT_EQ(At(1, 10), 0xE6AF8Eu);
  EXPECT_EQ(At(28, 1), 0xFFE7CEu);
}

}  // namespace
}  // namespace quillet::testing
