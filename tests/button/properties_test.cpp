// the setters, each with its steps in the stated order (redraws, notifications,
// host calls), mFont_FontChanged and About.
#include <stdexcept>

#include "button_fixture.h"

namespace quillet::testing {
namespace {

class PropertiesTest : public ButtonTest {
 protected:
  void SetUp() override { LoadAtRunTime(); }
};

TEST_F(PropertiesTest, BackColorStoresRedrawsAndNotifies) {
  button.BackColor(0x00102030);
  EXPECT_EQ(button.BackColor(), 0x00102030u);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed BackColor"}));
}

TEST_F(PropertiesTest, ButtonStyleAppliesDefaultsThenRegionThenRedraw) {
  button.BackColor(1);
  button.ForeColor(2);
  button.ShowFocusRect(true);
  host.ClearRecords();
  button.ButtonStyle(ButtonStyle::DropShadow);
  EXPECT_EQ(button.BackColor(), 0x00AA6D00u);
  EXPECT_EQ(button.ForeColor(), 0x00FFFFFFu);
  EXPECT_TRUE(button.ShowFocusRect());
  Strings kinds;
  for (const std::string& line : host.journal) {
    if (line.rfind("SetWindowRegion", 0) == 0 || line == "Cls" || line.rfind("Changed", 0) == 0) kinds.push_back(line);
  }
  EXPECT_EQ(kinds, (Strings{"SetWindowRegion Rect(0,0,100,30)", "Cls", "Changed ButtonStyle"}));
}

TEST_F(PropertiesTest, AnyStyleValueIsStoredUnchecked) {
  button.ButtonStyle(static_cast<ButtonStyle>(77));
  EXPECT_EQ(static_cast<std::int32_t>(button.ButtonStyle()), 77);
  EXPECT_EQ(button.BackColor(), 0x00E7EBECu);  // no style colours for 77
}

TEST_F(PropertiesTest, CaptionUpdatesTheAccessKeyBeforeRedrawing) {
  button.Caption(u"E&xit");
  EXPECT_EQ(button.Caption(), u"E&xit");
  EXPECT_EQ(host.AccessKeys(), u"x");
  EXPECT_EQ(button.AccessKeys(), u"x");
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Caption"}));
}

TEST_F(PropertiesTest, CaptionAlignRedrawsAndNotifies) {
  button.CaptionAlign(CaptionAlign::CaptionRight);
  EXPECT_EQ(button.CaptionAlign(), CaptionAlign::CaptionRight);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed CaptionAlign"}));
}

TEST_F(PropertiesTest, CheckBoxModeOffResetsTheLookButKeepsValue) {
  button.CheckBoxMode(true);
  button.Value(true);
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);  // Redraw forces it for style 2
  host.ClearRecords();
  button.CheckBoxMode(false);
  EXPECT_TRUE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Value", "Changed CheckBoxMode"}));
}

TEST_F(PropertiesTest, EnabledMirrorsIntoTheHostWindow) {
  button.Enabled(false);
  EXPECT_FALSE(button.Enabled());
  EXPECT_FALSE(host.WindowEnabled());
  EXPECT_EQ(host.journal.front(), "SetWindowEnabled false");
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Enabled"}));
}

TEST_F(PropertiesTest, FontRefreshesRedrawsNotifiesThenRunsTheChangeHandler) {
  auto font = std::make_shared<Font>(FontDescription{u"Tahoma", -11});
  button.Font(font);
  EXPECT_EQ(button.Font(), font);
  EXPECT_EQ(host.DrawingSurface().Font().face, u"Tahoma");
  Strings steps;
  for (const std::string& line : host.journal) {
    if (line == "Refresh" || line == "Cls" || line == "Changed Font" || line.rfind("SetFont", 0) == 0)
      steps.push_back(line);
  }
  EXPECT_EQ(steps, (Strings{"Refresh", "Cls", "Changed Font", "SetFont Tahoma", "Refresh", "Cls", "Changed Font"}));
}

TEST_F(PropertiesTest, AChangeOfTheFontObjectReachesTheControl) {
  auto font = std::make_shared<Font>(FontDescription{u"Tahoma", -11});
  button.Font(font);
  host.ClearRecords();
  font->Change(FontDescription{u"Arial", -14}, u"Name");
  EXPECT_EQ(host.DrawingSurface().Font().face, u"Arial");
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Font"}));
  // A font the control no longer holds is no longer heard.
  auto other = std::make_shared<Font>(FontDescription{u"Verdana"});
  button.Font(other);
  host.ClearRecords();
  font->Change(FontDescription{u"Courier"});
  EXPECT_TRUE(host.journal.empty());
  EXPECT_EQ(font->ListenerCount(), 0u);
}

TEST_F(PropertiesTest, ForeColorSetsTheSurfaceAndRunsTheResizeHandling) {
  host.SetHeight(100);
  host.ClearRecords();
  button.ForeColor(0x000000FF);
  EXPECT_EQ(button.ForeColor(), 0x000000FFu);
  EXPECT_EQ(host.DrawingSurface().ForeColor(), 0x000000FFu);
  EXPECT_EQ(host.Height(), 220);
  Strings steps;
  for (const std::string& line : host.journal) {
    if (line.rfind("SetForeColor", 0) == 0 || line.rfind("SetHeight", 0) == 0 ||
        line.rfind("SetWindowRegion", 0) == 0 || line == "Cls" || line.rfind("Changed", 0) == 0)
      steps.push_back(line);
  }
  EXPECT_EQ(steps, (Strings{"SetForeColor 0000FF", "SetHeight 220", "SetWindowRegion RoundRect(0,0,101,31,3,3)",
                            "Cls", "Changed ForeColor"}));
}

TEST_F(PropertiesTest, HandPointerOnlyStoresAndNotifies) {
  button.HandPointer(true);
  EXPECT_TRUE(button.HandPointer());
  EXPECT_EQ(host.journal, (Strings{"Changed HandPointer"}));
}

TEST_F(PropertiesTest, HWndIsTheHostWindow) { EXPECT_EQ(button.hWnd(), host.Window()); }

TEST_F(PropertiesTest, MaskColorRedrawsAndNotifies) {
  button.MaskColor(0x00FF00FF);
  EXPECT_EQ(button.MaskColor(), 0x00FF00FFu);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed MaskColor"}));
}

TEST_F(PropertiesTest, MouseIconSetsThePointerShapeFromThePicture) {
  const PicturePtr icon = MakePicture(PictureType::Icon, 32, 32);
  button.MouseIcon(icon);
  EXPECT_EQ(button.MouseIcon(), icon);
  EXPECT_EQ(button.MousePointer(), 99);
  button.MouseIcon(nullptr);
  EXPECT_EQ(button.MouseIcon(), nullptr);
  EXPECT_EQ(button.MousePointer(), 0);
  EXPECT_EQ(host.changes, (Strings{"MouseIcon", "MouseIcon"}));
}

TEST_F(PropertiesTest, MouseIconIgnoresEveryFailure) {
  host.failing_services.insert("SetMouseIcon");
  EXPECT_NO_THROW(button.MouseIcon(MakePicture(PictureType::Icon)));
  EXPECT_EQ(button.MousePointer(), 99);
  EXPECT_EQ(host.changes, (Strings{"MouseIcon"}));
}

TEST_F(PropertiesTest, MousePointerNarrowsToSixteenBits) {
  button.MousePointer(11);
  EXPECT_EQ(button.MousePointer(), 11);
  EXPECT_EQ(host.changes, (Strings{"MousePointer"}));
  EXPECT_THROW(button.MousePointer(40000), std::overflow_error);
  EXPECT_THROW(button.MousePointer(-40000), std::overflow_error);
  EXPECT_EQ(button.MousePointer(), 11);
  EXPECT_EQ(host.changes.size(), 1u);
}

TEST_F(PropertiesTest, AnEmptyPictureRunsTheResizeHandlingWithoutNotice) {
  button.Picture(nullptr);
  EXPECT_EQ(host.Count("SetWindowRegion"), 1);
  EXPECT_EQ(Trace(), (Strings{"Cls"}));
  const PicturePtr pic = MakePicture();
  host.ClearRecords();
  button.Picture(pic);
  EXPECT_EQ(button.Picture(), pic);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Picture"}));
}

TEST_F(PropertiesTest, PictureAlignAndUseMaskColorRedrawOnlyWithAPicture) {
  button.PictureAlign(PictureAlign::PictureTopEdge);
  button.UseMaskColor(true);
  EXPECT_EQ(Trace(), (Strings{"Changed PictureAlign", "Changed UseMaskColor"}));
  button.Picture(MakePicture());
  host.ClearRecords();
  button.PictureAlign(PictureAlign::PictureCenter);
  button.UseMaskColor(false);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed PictureAlign", "Cls", "Changed UseMaskColor"}));
}

TEST_F(PropertiesTest, PictureSizeRedrawsAndNotifies) {
  button.PictureSize(PictureSize::Picture32);
  EXPECT_EQ(button.PictureSize(), PictureSize::Picture32);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed PictureSize"}));
}

TEST_F(PropertiesTest, PictureHoverOnAButtonWithoutPictureSetsBoth) {
  const PicturePtr hover = MakePicture();
  button.PictureHover(hover);
  EXPECT_EQ(button.Picture(), hover);
  EXPECT_EQ(button.PictureHover(), hover);
  EXPECT_EQ(Trace(), (Strings{"Changed Picture", "Cls", "Changed PictureHover"}));
}

TEST_F(PropertiesTest, PictureHoverKeepsAnExistingPicture) {
  const PicturePtr pic = MakePicture();
  button.Picture(pic);
  host.ClearRecords();
  button.PictureHover(nullptr);
  EXPECT_EQ(button.Picture(), pic);
  EXPECT_EQ(button.PictureHover(), nullptr);
  EXPECT_EQ(Trace(), (Strings{"Cls"}));  // resize handling, no notification
}

TEST_F(PropertiesTest, ShowFocusRectNotifiesWithoutRedraw) {
  button.ShowFocusRect(true);
  EXPECT_TRUE(button.ShowFocusRect());
  EXPECT_EQ(Trace(), (Strings{"Changed ShowFocusRect"}));
}

TEST_F(PropertiesTest, ValueOutsideCheckModeOnlyResetsTheLook) {
  host.MovePointerTo(50, 15);
  ASSERT_EQ(button.DrawState(), DrawState::Hot);
  host.ClearRecords();
  button.Value(true);
  EXPECT_FALSE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_EQ(Trace(), (Strings{"Cls"}));
}

TEST_F(PropertiesTest, ValueInCheckModeStoresRedrawsAndNotifies) {
  button.CheckBoxMode(true);
  host.ClearRecords();
  button.Value(true);
  EXPECT_TRUE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  button.Value(false);
  EXPECT_FALSE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Value", "Cls", "Changed Value"}));
}

TEST_F(PropertiesTest, AboutShowsABoxAndChangesNothing) {
  button.About();
  ASSERT_EQ(host.message_boxes.size(), 1u);
  EXPECT_EQ(host.message_boxes[0].second, u"About");
  EXPECT_NE(host.message_boxes[0].first.find(u"QuilletButton"), std::u16string::npos);
  EXPECT_EQ(Trace(), Strings{});
}

TEST_F(PropertiesTest, AccessKeysFollowTheAmpersandRules) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"&OK", u"o"}, {u"OK&", u""},  {u"&", u""},          {u"A&&B", u""}, {u"Save && E&xit", u"x"},
      {u"A&&B&&C&D", u""}, {u"&&&x", u"x"}, {u"&&a&", u""}, {u"x", u""},   {u"\u786e&Q", u"q"}};
  for (const auto& [caption, key] : cases) {
    button.Caption(caption);
    EXPECT_EQ(host.AccessKeys(), key) << std::string(caption.begin(), caption.end());
  }
}

}  // namespace
}  // namespace quillet::testing
