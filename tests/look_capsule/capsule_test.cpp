// The capsule look (style 14): which skin each state shows, and the skin's pixels where the
// painting order leaves a listed colour visible. Expected colours are the skins' literal edge
// and corner colours, placed by hand from the rules: corners first, then the side edges over
// rows 11..H-11, then the top edge over rows 0..11 and the bottom edge over rows H-11..H-1 in
// columns 17..W-18.
#include <array>

#include "support/caption_fixture.h"
#include "raster/region_mask.h"

namespace quillet::testing {
namespace {

constexpr std::array<Color, 12> kNormalTop{0x67696A, 0xF5F4F6, 0xF3F2F4, 0xEEEEEE, 0xEBEBEB, 0xEBE8EA,
                                           0xEBE8EA, 0xEAEAEA, 0xE1E1E1, 0xE5E2E3, 0xEAE7E8, 0xE8EBE9};
constexpr std::array<Color, 11> kNormalBottom{0xE8EBE9, 0xEEF1EF, 0xF2F2F2, 0xF5F5F5, 0xFFFEFE, 0xFFFFFF,
                                              0xFDFDFD, 0xFEFEFE, 0xFBFBFB, 0x545454, 0xC5C5C5};
constexpr std::array<Color, 12> kHotTop{0x450608, 0xF1D4C9, 0xE5C8BD, 0xE8C0A1, 0xE0B898, 0xE3B48E,
                                        0xE0B18B, 0xE9B47F, 0xCE9963, 0xDDA064, 0xE2A66A, 0xE6AC76};
constexpr std::array<Color, 11> kHotBottom{0xE6AC76, 0xF1B681, 0xF3BD8A, 0xFCC592, 0xF8CE97, 0xFED59E,
                                           0xF7DDA3, 0xFFE6AD, 0xE9E2C5, 0x635D40, 0xC5C5C5};
constexpr Color kNormalCentre = 0xEAE7E8, kHotCentre = 0xE2A66A, kPressedCentre = 0xCC9B6A;
constexpr Color kPressedTop0 = 0x3C090A;

class CapsuleTest : public CaptionTest {
 protected:
  explicit CapsuleTest(std::int32_t w = 100, std::int32_t h = 30) : CaptionTest(w, h), W(w), H(h) {
    Button().ButtonStyle(ButtonStyle::PixelCapsule);
    Button().Caption(u"");
    host.Form().Activate();
  }
  void Hover() { host.MovePointerTo(W / 2, H / 2); }
  // Whether the rounded region keeps (x, y); the raster paints nothing outside it.
  bool Inside(std::int32_t x, std::int32_t y) const {
    return region[static_cast<std::size_t>(y) * W + x] != 0;
  }
  // The skin on show, told by the top edge's outline row and the centre.
  void ExpectSkin(Color top0, Color centre) {
    EXPECT_EQ(At(W / 2, 0), top0);
    EXPECT_EQ(At(W / 2, H / 2), centre);
  }
  const std::int32_t W, H;
  const std::vector<std::uint8_t> region = RegionMask(RegionShape::FromRoundRect(0, 0, W + 1, H + 1, 18, 18), W, H);
};

TEST_F(CapsuleTest, RestingSkinEdgesCentreAndTheRowsThatMustMatch) {
  // Top edge rows 0..11 and bottom edge rows 19..29 between columns 17 and 82.
  for (std::int32_t y = 0; y < 12; ++y) {
    EXPECT_EQ(At(17, y), kNormalTop[y]) << y;
    EXPECT_EQ(At(50, y), kNormalTop[y]) << y;
    EXPECT_EQ(At(82, y), kNormalTop[y]) << y;
  }
  for (std::int32_t i = 0; i < 11; ++i) {
    EXPECT_EQ(At(17, 19 + i), kNormalBottom[i]) << i;
    EXPECT_EQ(At(82, 19 + i), kNormalBottom[i]) << i;
  }
  // Side edges, rows 11..19; the top edge wins at (17, 11), the bottom edge at (17, 19).
  const Color left[] = {0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5};
  for (std::int32_t x = 0; x < 6; ++x) {
    EXPECT_EQ(At(x, 11), left[x]) << x;
    EXPECT_EQ(At(x, 19), left[x]) << x;
  }
  EXPECT_EQ(At(16, 15), 0xEAE7E8u);
  EXPECT_EQ(At(17, 11), kNormalTop[11]);
  EXPECT_EQ(At(17, 19), kNormalBottom[0]);
  const Color right_outer[] = {0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6};  // columns 96..99
  for (std::int32_t i = 0; i < 4; ++i) EXPECT_EQ(At(96 + i, 15), right_outer[i]) << i;
  EXPECT_EQ(At(87, 12), 0xE7E7E7u);  // right edge colour of column W-13
  // The centre shows between the edges.
  for (std::int32_t y = 12; y <= 18; ++y) {
    EXPECT_EQ(At(18, y), kNormalCentre) << y;
    EXPECT_EQ(At(82, y), kNormalCentre) << y;
  }
  // Top-left row 0 from x 6 and row 8 from x 0, and the shadow row under the bottom left.
  const Color row0[] = {0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B,
                        0x6F6F6F, 0x716F6F, 0x727070, 0x676866, 0x6C6D6B};
  for (std::int32_t x = 6; x <= 16; ++x) EXPECT_EQ(At(x, 0), row0[x - 6]) << x;
  const Color row8[] = {0xFDFDFD, 0xC6C6C6, 0x7E7E7E, 0xABABAB, 0xC1C1C1, 0xC1C1C1,
                        0xCBCBCB, 0xCECECE, 0xD5D5D5, 0xD8D8D8, 0xDADADA, 0xDDDDDD,
                        0xDEDEDE, 0xE1E1E1, 0xE0E0E0, 0xE1E1E1, 0xE0E0E0};
  for (std::int32_t x = 0; x <= 16; ++x) EXPECT_EQ(At(x, 8), row8[x]) << x;
  const Color shadow[] = {0xFCFCFC, 0xF5F5F5, 0xEBEBEB, 0xE1E1E1, 0xD6D6D6, 0xCECECE,
                          0xC9C9C9, 0xC7C7C7, 0xC7C7C7, 0xC6C6C6, 0xC6C6C6, 0xC5C5C5};
  for (std::int32_t x = 5; x <= 16; ++x)
    if (Inside(x, 29)) { EXPECT_EQ(At(x, 29), shadow[x - 5]) << x; }
  EXPECT_TRUE(Inside(8, 29));

  ASSERT_FALSE(host.Regions().empty());
  EXPECT_EQ(host.Regions().back(), RegionShape::FromRoundRect(0, 0, 101, 31, 18, 18));
}

TEST_F(CapsuleTest, CornersOutsideTheArtworkTakeTheFormsColourNotBackColor) {
  Button().BackColor(0x00FF00);
  host.ChangeAmbient("BackColor", static_cast<std::int32_t>(0x2040C0));
  host.PaintNow();  // the first redraw cleared to the old colour before switching
  EXPECT_EQ(host.Raster().BackColor(), 0x2040C0u);
  // The pixels left out of the top-left piece, those the rounded region keeps.
  const std::int32_t first_listed[] = {6, 5, 3, 3, 2, 1, 1, 1};
  int seen = 0;
  for (std::int32_t y = 0; y < 8; ++y)
    for (std::int32_t x = 0; x < first_listed[y]; ++x)
      if (Inside(x, y)) {
        EXPECT_EQ(At(x, y), 0x2040C0u) << x << "," << y;
        ++seen;
      }
  EXPECT_GT(seen, 0);
  EXPECT_EQ(At(7, 0), 0xE6E6E6u);

  // A system colour for the form is resolved: button face of the default table.
  host.ChangeAmbient("BackColor", static_cast<std::int32_t>(0x8000000F));
  host.PaintNow();
  EXPECT_EQ(host.Raster().BackColor(), 0xF0F0F0u);
}

TEST_F(CapsuleTest, BackColorLeavesTheSkinAlone) {
  host.PaintNow();
  const std::vector<std::uint32_t> plain = host.Raster().Pixels();
  for (Color c : {0x000000u, 0xFFFFFFu, 0x0000FFu, 0x80000005u}) {
    Button().BackColor(c);
    host.PaintNow();
    EXPECT_EQ(host.Raster().Pixels(), plain) << std::hex << c;
  }
}

TEST_F(CapsuleTest, SkinByState) {
  ExpectSkin(kNormalTop[0], kNormalCentre);

  host.ClearRecords();
  Hover();
  ASSERT_EQ(Button().DrawState(), DrawState::Hot);
  ExpectSkin(kHotTop[0], kHotCentre);
  const Color hot_row0[] = {0xFEFEFE, 0xE6E5E5, 0xA9A5A5, 0x6C5E5E, 0x482729, 0x370D0C,
                            0x370706, 0x360605, 0x3A0606, 0x410807, 0x450707};
  for (std::int32_t x = 6; x <= 16; ++x) EXPECT_EQ(At(x, 0), hot_row0[x - 6]) << x;
  EXPECT_EQ(At(10, H - 1), 0xCECECEu);  // the shadow row is shared by the skins
  EXPECT_TRUE(host.Regions().empty()) << "only the resting skin rebuilds the region";

  host.PressButton();
  ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
  ExpectSkin(kPressedTop0, kPressedCentre);
  EXPECT_EQ(At(2, H / 2), 0x632D17u);
  EXPECT_EQ(At(W - 3, H / 2), 0x6D3319u);
  EXPECT_EQ(At(W / 2, H - 2), 0x5A563Eu);
  EXPECT_TRUE(host.Regions().empty());

  // The press gave it the focus: at rest it keeps the hot skin while the form is active.
  host.ReleaseButton();
  host.MovePointerAway();
  ASSERT_TRUE(Button().HasFocus());
  ExpectSkin(kHotTop[0], kHotCentre);
  host.Form().Deactivate();
  host.PaintNow();
  ExpectSkin(kNormalTop[0], kNormalCentre);
}

TEST_F(CapsuleTest, DefaultCheckedAndDisabledLooks) {
  host.ChangeAmbient("DisplayAsDefault", true);
  ExpectSkin(kHotTop[0], kHotCentre);

  // Checked: pressed whatever the pointer does, focused or not.
  Button().CheckBoxMode(true);
  Button().Value(true);
  ExpectSkin(kPressedTop0, kPressedCentre);
  Hover();
  ExpectSkin(kPressedTop0, kPressedCentre);
  host.MovePointerAway();
  host.ChangeAmbient("DisplayAsDefault", false);
  ExpectSkin(kPressedTop0, kPressedCentre);

  // Disabled: the skin of the state it is in; only the caption tells.
  Button().CheckBoxMode(false);
  Hover();
  host.MovePointerAway();
  Button().Enabled(false);
  host.PaintNow();
  ExpectSkin(kNormalTop[0], kNormalCentre);
}

class LowCapsuleTest : public CapsuleTest {
 protected:
  LowCapsuleTest() : CapsuleTest(57, 21) {}
};

TEST_F(LowCapsuleTest, BottomEdgeCoversTheTopEdgeWhereTheyMeet) {
  // Rows 0..9 from the top edge, rows 10..20 from the bottom edge, columns 17..39.
  for (std::int32_t x : {17, 28, 39}) {
    for (std::int32_t y = 0; y < 10; ++y) EXPECT_EQ(At(x, y), kNormalTop[y]) << x << "," << y;
    for (std::int32_t y = 10; y < 21; ++y) EXPECT_EQ(At(x, y), kNormalBottom[y - 10]) << x << "," << y;
  }
  Hover();
  for (std::int32_t y = 0; y < 10; ++y) EXPECT_EQ(At(28, y), kHotTop[y]) << y;
  for (std::int32_t y = 10; y < 21; ++y) EXPECT_EQ(At(28, y), kHotBottom[y - 10]) << y;
}

class SmallestCapsuleTest : public CapsuleTest {
 protected:
  SmallestCapsuleTest() : CapsuleTest(15, 15) {}
};

TEST_F(SmallestCapsuleTest, EdgesRunBackwardsOverTheWholeButton) {
  // W = 15: the top and bottom edges run from column 17 back to column -1 and cover every
  // column; the side edges, drawn before them, are hidden. Rows 0..3 keep the top edge,
  // rows 4..14 are the bottom edge.
  int inside = 0;
  for (std::int32_t y = 0; y < 15; ++y)
    for (std::int32_t x = 0; x < 15; ++x)
      if (Inside(x, y) && ++inside) {
        ASSERT_EQ(At(x, y), y < 4 ? kNormalTop[y] : kNormalBottom[y - 4]) << x << "," << y;
      }
  EXPECT_GT(inside, 150);
  Hover();
  host.PressButton();
  for (std::int32_t x = 0; x < 15; ++x) {
    if (Inside(x, 0)) { EXPECT_EQ(At(x, 0), kPressedTop0) << x; }
    if (Inside(x, 13)) { EXPECT_EQ(At(x, 13), 0x5A563Eu) << x; }
    if (Inside(x, 14)) { EXPECT_EQ(At(x, 14), 0xC5C5C5u) << x; }
  }
  EXPECT_EQ(At(7, 0), kPressedTop0);
}

}  // namespace
}  // namespace quillet::testing
