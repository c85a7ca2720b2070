// Styles 0, 1, 11 and 12 pixel by pixel: which edge each look takes (read back as its rings
// in the raster's default system colours), the checked look, the Classic3D default frame
// and where the dotted focus rectangle goes. Expected colours are literals: BackColor as
// given, and BackColor lightened by 0.02 worked out by hand.
#include <tuple>

#include "support/look_fixture.h"

namespace quillet::testing {
namespace {

struct EdgeCase {
  Size size;
  Color back;     // as set
  Color face;     // resolved
  Color checked;  // face lightened by 0.02
};

constexpr ButtonStyle kAll[] = {ButtonStyle::Classic3D, ButtonStyle::ThinEdge, ButtonStyle::Popup3D,
                                ButtonStyle::PopupThin};
constexpr Color kClassicInner = 0x99A8AC;

class EdgeStylesTest : public LookTest, public ::testing::WithParamInterface<EdgeCase> {
 protected:
  EdgeStylesTest() : LookTest(GetParam().size.cx, GetParam().size.cy) { host.Form().Activate(); }

  void Use(ButtonStyle style) { Style(style, GetParam().back); }
  Rect Whole() const { return Rect{0, 0, W, H}; }
  Rect Inset(std::int32_t d) const { return Rect{d, d, W - d, H - d}; }
  std::string Name(ButtonStyle s) const {
    return "style " + std::to_string(static_cast<int>(s)) + " " + std::to_string(W) + "x" + std::to_string(H);
  }

  void ExpectRaisedEdge(const Rect& r, const std::string& what) {
    ExpectRing(r, kSysLight, kSysDarkShadow, kSysDarkShadow, what + " outer");
    ExpectRing(Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kSysHighlight, kSysShadow, kSysShadow,
               what + " inner");
  }
  void ExpectSunkenEdge(const std::string& what) {
    ExpectRing(Whole(), kSysShadow, kSysHighlight, kSysHighlight, what + " outer");
    ExpectRing(Inset(1), kSysDarkShadow, kSysLight, kSysLight, what + " inner");
  }
  void ExpectThinRaised(const std::string& what) {
    ExpectRing(Whole(), kSysHighlight, kSysShadow, kSysShadow, what);
  }

  const Color B = GetParam().face;
};

TEST_P(EdgeStylesTest, NormalLookRaisedThinOrFlatInARectangularRegion) {
  for (ButtonStyle s : kAll) {
    Use(s);
    host.ClearRecords();
    host.PaintNow();
    const std::string n = Name(s);
    ASSERT_FALSE(host.Regions().empty()) << n;
    EXPECT_EQ(host.Regions().back(), RegionShape::FromRect(0, 0, W, H)) << n;
    switch (s) {
      case ButtonStyle::Classic3D:
        ExpectRaisedEdge(Whole(), n);
        ExpectFill(Inset(2), B, n);
        break;
      case ButtonStyle::ThinEdge:
        ExpectThinRaised(n);
        ExpectFill(Inset(1), B, n);
        break;
      default:  // the pop-up styles rest flat
        ExpectFill(Whole(), B, n);
        break;
    }
  }
}

TEST_P(EdgeStylesTest, HotLookRaisesThePopupStylesAndKeepsTheRegion) {
  for (ButtonStyle s : kAll) {
    Use(s);
    host.ClearRecords();
    Hover();
    ASSERT_EQ(Button().DrawState(), DrawState::Hot);
    const std::string n = Name(s);
    EXPECT_TRUE(host.Regions().empty()) << n;
    if (s == ButtonStyle::Classic3D || s == ButtonStyle::Popup3D) {
      ExpectRaisedEdge(Whole(), n);
      ExpectFill(Inset(2), B, n);
    } else {
      ExpectThinRaised(n);
      ExpectFill(Inset(1), B, n);
    }
    host.MovePointerAway();
  }
}

TEST_P(EdgeStylesTest, PressedLookFramesOrSinksTheFace) {
  for (ButtonStyle s : kAll) {
    Use(s);
    Button().ShowFocusRect(false);  // pressing takes the focus; the dots are checked elsewhere
    Press();
    ASSERT_EQ(Button().DrawState(), DrawState::Pressed);
    const std::string n = Name(s);
    if (s == ButtonStyle::Classic3D) {
      // The focus taken by the click draws no default frame on a pressed button.
      ExpectFrame(Whole(), 0x000000, n);
      ExpectFrame(Inset(1), kClassicInner, n);
      ExpectFill(Inset(2), B, n);
    } else if (s == ButtonStyle::Popup3D) {
      ExpectSunkenEdge(n);
      ExpectFill(Inset(2), B, n);
    } else {
      // Grey top and left including both far corners; white bottom and right below them.
      ExpectRing(Whole(), kSysGreyText, 0xFFFFFF, kSysGreyText, n);
      ExpectFill(Inset(1), B, n);
    }
    host.ReleaseButton();
    host.MovePointerAway();
  }
}

TEST_P(EdgeStylesTest, CheckedLookIsLighterAndSunkenInEveryLook) {
  for (ButtonStyle s : kAll)
    for (int look = 0; look < 3; ++look) {
      Use(s);
      Button().ShowFocusRect(false);
      Button().CheckBoxMode(true);
      Button().Value(true);
      if (look == 1) Hover();
      if (look == 2) Press();
      const std::string n = Name(s) + " look " + std::to_string(look);
      if (s == ButtonStyle::PopupThin) {
        ExpectFill(Whole(), GetParam().checked, n);
      } else {
        ExpectSunkenEdge(n);
        ExpectFill(Inset(2), GetParam().checked, n);
      }
      host.ReleaseButton();
      host.MovePointerAway();
      Button().Value(false);
    }
}

TEST_P(EdgeStylesTest, ACheckedFocusedClassicShowsASolidWorkspaceFrameNotDots) {
  Use(ButtonStyle::Classic3D);
  Button().CheckBoxMode(true);
  Button().Value(true);
  host.Focus();
  ASSERT_TRUE(Button().HasFocus());
  Button().ShowFocusRect(true);
  host.PaintNow();
  ExpectFrame(Rect{4, 4, W - 3, H - 3}, kSysWorkspace, "workspace frame");
  ExpectFill(Rect{5, 5, W - 4, H - 4}, GetParam().checked, "inside");
  ExpectFill(Rect{2, H - 3, W - 2, H - 2}, GetParam().checked, "below");
  // Without ShowFocusRect the face is plain; a default button gets no black frame.
  Button().ShowFocusRect(false);
  host.ChangeAmbient("DisplayAsDefault", true);
  ExpectSunkenEdge("checked default");
  ExpectFill(Inset(2), GetParam().checked, "checked default");
  // The other styles draw no workspace frame.
  Use(ButtonStyle::Popup3D);
  Button().ShowFocusRect(true);
  host.PaintNow();
  ExpectFill(Inset(2), GetParam().checked, "popup");
}

TEST_P(EdgeStylesTest, FocusedOrDefaultClassicGetsTheBlackDefaultFrame) {
  Use(ButtonStyle::Classic3D);
  host.Focus();
  host.PaintNow();
  for (int look = 0; look < 2; ++look) {
    if (look == 1) Hover();
    const std::string n = "classic look " + std::to_string(look);
    ExpectFrame(Whole(), 0x000000, n);
    // The raised edge drawn one pixel narrower and lower: its outer line under the
    // workspace frame, its inner line one pixel further in.
    ExpectRing(Rect{1, 1, W - 2, H - 2}, kSysHighlight, kSysShadow, kSysShadow, n + " inner");
    for (std::int32_t x : {1, W / 2, W - 2}) EXPECT_EQ(At(x, H - 2), kSysWorkspace) << n << " " << x;
    for (std::int32_t y : {1, H / 2, H - 2}) EXPECT_EQ(At(W - 2, y), kSysWorkspace) << n << " " << y;
    ExpectFill(Rect{2, 2, 4, H - 3}, B, n);
  }
}

TEST_P(EdgeStylesTest, DottedFocusRectangleSitsFourOrThreePixelsIn) {
  for (ButtonStyle s : kAll) {
    Use(s);
    host.Focus();
    const std::int32_t d = (s == ButtonStyle::ThinEdge || s == ButtonStyle::PopupThin) ? 3 : 4;
    EXPECT_NEAR(DottedPixels(Inset(d)), HalfOutline(Inset(d)), 2) << Name(s);
    Hover();
    EXPECT_NEAR(DottedPixels(Inset(d)), HalfOutline(Inset(d)), 2) << Name(s) << " hot";
    host.PressButton();
    EXPECT_NEAR(DottedPixels(Inset(d)), HalfOutline(Inset(d)), 2) << Name(s) << " pressed";
    host.ReleaseButton();
    host.MovePointerAway();
  }
}

TEST_P(EdgeStylesTest, DefaultInactiveAndDesignTimeButtons) {
  Use(ButtonStyle::Classic3D);
  // The form's default button without the focus: black frame and the dotted rectangle.
  host.ChangeAmbient("DisplayAsDefault", true);
  ASSERT_FALSE(Button().HasFocus());
  EXPECT_NEAR(DottedPixels(Inset(4)), HalfOutline(Inset(4)), 2);
  ExpectFrame(Whole(), 0x000000, "default");
  // An inactive form hides only the dots.
  host.Form().Deactivate();
  ASSERT_FALSE(Button().ParentActive());
  EXPECT_EQ(DottedPixels(Inset(4)), 0);
  ExpectFrame(Whole(), 0x000000, "inactive");
  // While the form is designed no dots either, whatever ShowFocusRect says.
  host.Form().Activate();
  host.SetAmbient("UserMode", false);
  EXPECT_EQ(DottedPixels(Inset(4)), 0);
  ExpectFrame(Whole(), 0x000000, "design");
}

TEST_P(EdgeStylesTest, DisabledButtonsLookLikeEnabledOnes) {
  for (ButtonStyle s : kAll) {
    Use(s);
    Button().Enabled(false);
    host.PaintNow();
    if (s == ButtonStyle::Classic3D) ExpectRaisedEdge(Whole(), Name(s));
    if (s == ButtonStyle::ThinEdge) ExpectThinRaised(Name(s));
    ExpectFill(Inset(2), B, Name(s));
    Button().Enabled(true);
  }
}

INSTANTIATE_TEST_SUITE_P(SizesAndColours, EdgeStylesTest,
                         ::testing::Values(EdgeCase{{15, 15}, 0x8000000F, 0xF0F0F0, 0xF5F5F5},
                                           EdgeCase{{57, 21}, 0x3060C0, 0x3060C0, 0x3565C5},
                                           EdgeCase{{169, 33}, 0x000000, 0x000000, 0x050505},
                                           EdgeCase{{40, 64}, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}));

}  // namespace
}  // namespace quillet::testing
