// Redraw and its dispatch table, ApplyStyleDefaults for all sixteen styles,
// ApplyButtonRegion's shapes, Resize with its 220-twip minimum, and Paint.
#include "button_fixture.h"
#include "button/style_dispatch.h"
#include "raster/system_colors.h"

namespace quillet::testing {
namespace {

class RedrawTest : public ButtonTest {
 protected:
  void SetUp() override { LoadInDesigner(); }
};

// A renderer that writes down what Redraw hands it.
struct SeenByRenderer {
  static inline std::vector<DrawState> states;
  static inline std::vector<Rect> rects;
  static void Render(QuilletButton& b, DrawState state) {
    states.push_back(state);
    rects.push_back(b.ButtonRect());
  }
};

class ScopedRenderer {
 public:
  ScopedRenderer(std::int32_t style, StyleRenderer r) : style_(style), old_(ReplaceRendererForStyle(style, r)) {
    SeenByRenderer::states.clear();
    SeenByRenderer::rects.clear();
  }
  ~ScopedRenderer() { ReplaceRendererForStyle(style_, old_); }

 private:
  std::int32_t style_;
  StyleRenderer old_;
};

TEST_F(RedrawTest, RedrawClearsMeasuresAndHandsTheLookToTheStylesRenderer) {
  ScopedRenderer scoped(2, &SeenByRenderer::Render);
  host.ResizeTo(1200, 375);  // 80 x 25 pixels
  ASSERT_EQ(SeenByRenderer::states.size(), 1u);
  EXPECT_EQ(SeenByRenderer::states[0], DrawState::Normal);
  EXPECT_EQ(SeenByRenderer::rects[0], (Rect{0, 0, 80, 25}));
  EXPECT_EQ(button.ButtonWidth(), 80);
  EXPECT_EQ(button.ButtonHeight(), 25);
  EXPECT_EQ(host.RedrawCount(), 1);
}

TEST_F(RedrawTest, CheckModeWithValueDrawsPressedExceptForStylesZeroThreeAndNine) {
  ScopedRenderer scoped2(2, &SeenByRenderer::Render);
  button.CheckBoxMode(true);
  button.Value(true);
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  EXPECT_EQ(SeenByRenderer::states.back(), DrawState::Pressed);
  for (std::int32_t style : {0, 3, 9}) {
    button.CheckBoxMode(false);  // resets the look to Normal
    button.ButtonStyle(static_cast<ButtonStyle>(style));
    button.CheckBoxMode(true);
    button.Value(true);
    button.Redraw();
    EXPECT_EQ(button.DrawState(), DrawState::Normal) << style;
  }
}

TEST_F(RedrawTest, AStyleWithoutARendererStillDrawsItsCaptionStep) {
  for (std::int32_t style : {-1, 16, 1000}) {
    button.ButtonStyle(static_cast<ButtonStyle>(style));
    EXPECT_EQ(RendererForStyle(style), nullptr);
  }
  host.ClearRecords();
  button.Redraw();
  EXPECT_EQ(host.RedrawCount(), 1);
  EXPECT_EQ(button.ButtonRect(), (Rect{0, 0, 100, 30}));
}

TEST_F(RedrawTest, TheDispatchTableCoversSixteenStyles) {
  for (std::int32_t style = 0; style < 16; ++style) {
    ScopedRenderer scoped(style, &SeenByRenderer::Render);
    button.ButtonStyle(static_cast<ButtonStyle>(style));
    EXPECT_EQ(SeenByRenderer::states.size(), 1u) << style;
  }
  EXPECT_EQ(ReplaceRendererForStyle(16, &SeenByRenderer::Render), nullptr);
  EXPECT_EQ(RendererForStyle(16), nullptr);
}

struct StyleDefaults {
  std::int32_t style;
  Color back;  // 0x80000000 + n: system colour n
  Color fore;
  bool focus_rect;
};

const StyleDefaults kStyleDefaults[] = {
    {0, kSysColorButtonFace, kSysColorButtonText, true},   {1, kSysColorButtonFace, kSysColorButtonText, true},
    {2, 0xE7EBEC, kSysColorButtonText, false},             {3, kSysColorButtonFace, kSysColorButtonText, false},
    {4, 0xE3E3E3, kSysColorButtonText, false},             {5, 0xAA6D00, 0xFFFFFF, true},
    {6, 0xE1D6D5, kSysColorButtonText, true},              {7, 0xFFD1AD, kSysColorButtonText, false},
    {8, kSysColorButtonFace, kSysColorButtonText, false},  {9, kSysColorButtonFace, kSysColorButtonText, false},
    {10, 0xFFD1AD, kSysColorButtonText, false},            {11, kSysColorButtonFace, kSysColorButtonText, false},
    {12, kSysColorButtonFace, kSysColorButtonText, false}, {13, 0xFCE1CA, kSysColorButtonText, false},
    {14, 0xD0D0D0, kSysColorButtonText, false},            {15, 0xE6CAA7, kSysColorButtonText, true},
};

// Setting a style (even the same one again) overwrites colours and focus rectangle. System
// colours stay system colours, resolved at each draw.
TEST_F(RedrawTest, ApplyStyleDefaultsForAllSixteenStyles) {
  for (const StyleDefaults& d : kStyleDefaults) {
    button.BackColor(0x00010101);
    button.ForeColor(0x00020202);
    button.ShowFocusRect(!d.focus_rect);
    host.ClearRecords();
    button.ButtonStyle(static_cast<ButtonStyle>(d.style));
    EXPECT_EQ(button.BackColor(), d.back) << d.style;
    EXPECT_EQ(button.ForeColor(), d.fore) << d.style;
    EXPECT_EQ(button.ShowFocusRect(), d.focus_rect) << d.style;
    EXPECT_EQ(host.changes, Strings{"ButtonStyle"}) << d.style;  // none of its own
  }
}

TEST_F(RedrawTest, EachStyleAsksForItsRegionShape) {
  const std::pair<std::int32_t, std::string> shapes[] = {
      {0, "Rect(0,0,100,30)"},           {1, "Rect(0,0,100,30)"},           {2, "RoundRect(0,0,101,31,3,3)"},
      {3, "RoundRect(0,0,101,31,4,4)"},  {4, "RoundRect(0,0,101,31,3,3)"},  {5, "Rect(0,0,100,30)"},
      {6, "RoundRect(0,0,101,31,3,3)"},  {7, "Rect(0,0,100,30)"},           {8, "RoundRect(0,0,101,31,3,3)"},
      {9, "Rect(0,0,100,30)"},           {10, "RoundRect(0,0,101,31,4,4)"}, {11, "Rect(0,0,100,30)"},
      {12, "Rect(0,0,100,30)"},          {13, "Rect(0,0,100,30)"},          {14, "RoundRect(0,0,101,31,18,18)"},
      {15, "Rect(0,0,100,30)"},          {16, "Rect(0,0,100,30)"},          {-3, "Rect(0,0,100,30)"},
  };
  for (const auto& [style, shape] : shapes) {
    host.ClearRecords();
    button.ButtonStyle(static_cast<ButtonStyle>(style));
    ASSERT_EQ(host.Regions().size(), 1u) << style;
    EXPECT_EQ(DescribeRegion(host.Regions()[0]), shape) << style;
    EXPECT_NE(button.RegionHandle(), 0u);
  }
}

TEST_F(RedrawTest, RoundedRegionsUseTheCachedSizeSoAResizeAppliesThePreviousOne) {
  // Style 2 (loaded): the first region of a resize has the size of the last redraw.
  host.ResizeTo(1800, 600);  // 120 x 40 pixels
  ASSERT_EQ(host.Regions().size(), 1u);
  EXPECT_EQ(DescribeRegion(host.Regions()[0]), "RoundRect(0,0,101,31,3,3)");
  host.ClearRecords();
  button.ApplyButtonRegion();
  EXPECT_EQ(DescribeRegion(host.Regions()[0]), "RoundRect(0,0,121,41,3,3)");
}

TEST_F(RedrawTest, RectangularRegionsUseTheLiveSize) {
  button.ButtonStyle(ButtonStyle::Classic3D);
  host.ClearRecords();
  host.ResizeTo(1800, 600);
  ASSERT_EQ(host.Regions().size(), 1u);
  EXPECT_EQ(DescribeRegion(host.Regions()[0]), "Rect(0,0,120,40)");
}

TEST_F(RedrawTest, ResizeHoldsTheMinimumOf220Twips) {
  host.ResizeTo(1500, 100);
  EXPECT_EQ(host.Height(), 220);
  EXPECT_EQ(host.Width(), 1500);
  host.ResizeTo(219, 220);
  EXPECT_EQ(host.Height(), 220);
  EXPECT_EQ(host.Width(), 220);
  host.ClearRecords();
  host.ResizeTo(220, 220);  // exactly the minimum: left unchanged
  EXPECT_EQ(host.Count("SetHeight"), 0);
  EXPECT_EQ(host.Count("SetWidth"), 0);
  EXPECT_EQ(button.ButtonHeight(), 15);  // 220 / 15 pixels, rounded
}

// High contrast: every look in the system's colours alone, looked up at each draw. Odd
// values in the colour table show where each pixel came from.
TEST_F(RedrawTest, HighContrastDrawsEveryLookInTheSystemColours) {
  SystemColorTable colours = DefaultSystemColors();
  colours[kColorBtnFace] = 0x112233;
  colours[kColorBtnText] = 0x445566;
  colours[kColorGrayText] = 0x778899;
  colours[13] = 0xAABBCC;  // COLOR_HIGHLIGHT
  host.Raster().SetSystemColors(colours);
  host.high_contrast = true;
  const std::int32_t mid = 15;
  for (const std::int32_t style : {2, 7, 14}) {
    button.ButtonStyle(static_cast<ButtonStyle>(style));
    button.Caption(u"");
    EXPECT_EQ(host.Raster().GetPixel(50, mid), 0x112233u) << style;  // the face
    EXPECT_EQ(host.Raster().GetPixel(0, mid), 0x445566u) << style;   // a frame in the text colour
    EXPECT_EQ(host.Raster().GetPixel(1, mid), 0x112233u) << style;
    host.ChangeAmbient("DisplayAsDefault", true);
    EXPECT_EQ(host.Raster().GetPixel(1, mid), 0x445566u) << style;  // the default's double frame
    host.ChangeAmbient("DisplayAsDefault", false);
    button.CheckBoxMode(true);
    button.Value(true);
    EXPECT_EQ(host.Raster().GetPixel(50, mid), 0xAABBCCu) << style;  // checked: the highlight
    button.CheckBoxMode(false);
    button.Enabled(false);
    EXPECT_EQ(host.Raster().GetPixel(0, mid), 0x778899u) << style;
    button.Enabled(true);
  }
  colours[kColorBtnFace] = 0x010203;  // a change of the system's colours
  host.Raster().SetSystemColors(colours);
  button.HandleSystemColorsChanged();
  EXPECT_EQ(host.Raster().GetPixel(50, mid), 0x010203u);
}

}  // namespace
}  // namespace quillet::testing
