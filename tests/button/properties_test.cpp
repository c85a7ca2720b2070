// The setters: each one's steps in order (redraws, notifications, host calls), the font
// change handler, and the access-key rules of the caption.
#include <functional>
#include <stdexcept>

#include "button_fixture.h"

namespace quillet::testing {
namespace {

class PropertiesTest : public ButtonTest {
 protected:
  void SetUp() override { LoadAtRunTime(); }
};

TEST_F(PropertiesTest, EachSetterRedrawsAndNotifiesAsItShould) {
  struct Case {
    const char* name;
    std::function<void(QuilletButton&)> set;
    Strings trace;
  };
  const Case cases[] = {
      {"BackColor", [](QuilletButton& b) { b.BackColor(0x102030); }, {"Cls", "Changed BackColor"}},
      {"Caption", [](QuilletButton& b) { b.Caption(u"E&xit"); }, {"Cls", "Changed Caption"}},
      {"CaptionAlign", [](QuilletButton& b) { b.CaptionAlign(CaptionAlign::CaptionRight); }, {"Cls", "Changed CaptionAlign"}},
      {"Enabled", [](QuilletButton& b) { b.Enabled(false); }, {"Cls", "Changed Enabled"}},
      {"HandPointer", [](QuilletButton& b) { b.HandPointer(true); }, {"Changed HandPointer"}},
      {"MaskColor", [](QuilletButton& b) { b.MaskColor(0xFF00FF); }, {"Cls", "Changed MaskColor"}},
      {"PictureSize", [](QuilletButton& b) { b.PictureSize(PictureSize::Picture32); }, {"Cls", "Changed PictureSize"}},
      {"ShowFocusRect", [](QuilletButton& b) { b.ShowFocusRect(true); }, {"Changed ShowFocusRect"}},
      // Without a picture these two do not redraw; UseMaskColor notifies under its plain name.
      {"PictureAlign", [](QuilletButton& b) { b.PictureAlign(PictureAlign::PictureTopEdge); }, {"Changed PictureAlign"}},
      {"UseMaskColor", [](QuilletButton& b) { b.UseMaskColor(true); }, {"Changed UseMaskColor"}},
      {"CheckBoxMode", [](QuilletButton& b) { b.CheckBoxMode(false); }, {"Cls", "Changed Value", "Changed CheckBoxMode"}},
      // Outside check mode Value only resets the look: no notification.
      {"Value", [](QuilletButton& b) { b.Value(true); }, {"Cls"}},
  };
  for (const Case& c : cases) {
    host.ClearRecords();
    c.set(button);
    EXPECT_EQ(Trace(), c.trace) << c.name;
  }
  EXPECT_EQ(host.AccessKeys(), u"x");
  EXPECT_FALSE(host.WindowEnabled());
  EXPECT_FALSE(button.Value());
  button.Picture(MakePicture());
  host.ClearRecords();
  button.PictureAlign(PictureAlign::PictureCenter);
  button.UseMaskColor(false);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed PictureAlign", "Cls", "Changed UseMaskColor"}));
}

TEST_F(PropertiesTest, ButtonStyleAppliesDefaultsThenRegionThenRedraw) {
  button.ShowFocusRect(false);
  host.ClearRecords();
  button.ButtonStyle(ButtonStyle::DropShadow);
  EXPECT_EQ(button.BackColor(), 0x00AA6D00u);
  EXPECT_EQ(button.ForeColor(), 0x00FFFFFFu);
  EXPECT_TRUE(button.ShowFocusRect());
  EXPECT_EQ(host.journal, (Strings{"SetWindowRegion Rect(0,0,100,30)", "Cls", "Changed ButtonStyle"}));
}

TEST_F(PropertiesTest, CheckModeValueTogglesTheLookAndKeepsValueWhenTheModeEnds) {
  button.CheckBoxMode(true);
  button.Value(true);
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);  // forced by the redraw for style 2
  EXPECT_EQ(host.changes.back(), "Value");
  button.CheckBoxMode(false);
  EXPECT_TRUE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
}

TEST_F(PropertiesTest, FontRefreshesRedrawsNotifiesThenRunsTheChangeHandler) {
  auto font = std::make_shared<Font>(FontDescription{u"Tahoma", -11});
  button.Font(font);
  EXPECT_EQ(button.Font(), font);
  EXPECT_EQ(host.journal, (Strings{"Refresh", "Cls", "Changed Font", "SetFont Tahoma", "Refresh", "Cls", "Changed Font"}));

  host.ClearRecords();
  font->Change(FontDescription{u"Arial", -14}, u"Name");  // the object reports a change
  EXPECT_EQ(host.DrawingSurface().Font().face, u"Arial");
  EXPECT_EQ(Trace(), (Strings{"Cls", "Changed Font"}));

  button.Font(std::make_shared<Font>(FontDescription{u"Verdana"}));
  host.ClearRecords();
  font->Change(FontDescription{u"Courier"});  // a font the control no longer holds
  EXPECT_TRUE(host.journal.empty());
}

TEST_F(PropertiesTest, ForeColorSetsTheSurfaceAndRunsTheResizeHandling) {
  host.SetHeight(100);
  host.ClearRecords();
  button.ForeColor(0x000000FF);
  EXPECT_EQ(host.Height(), 220);
  // The rounded region still has the size of the last redraw.
  EXPECT_EQ(host.journal, (Strings{"SetForeColor 0000FF", "SetHeight 220", "SetWindowRegion RoundRect(0,0,101,31,3,3)",
                                   "Cls", "Changed ForeColor"}));
}

TEST_F(PropertiesTest, MouseIconSetsThePointerShapeAndIgnoresFailures) {
  button.MouseIcon(MakePicture(PictureType::Icon, 32, 32));
  EXPECT_EQ(button.MousePointer(), 99);
  button.MouseIcon(nullptr);
  EXPECT_EQ(button.MousePointer(), 0);
  host.failing_services.insert("SetMouseIcon");
  EXPECT_NO_THROW(button.MouseIcon(MakePicture(PictureType::Icon)));
  EXPECT_EQ(button.MousePointer(), 99);
  EXPECT_EQ(host.changes, (Strings{"MouseIcon", "MouseIcon", "MouseIcon"}));
}

TEST_F(PropertiesTest, MousePointerOutsideSixteenBitsOverflowsAndChangesNothing) {
  button.MousePointer(11);
  EXPECT_THROW(button.MousePointer(40000), std::overflow_error);
  EXPECT_THROW(button.MousePointer(-40000), std::overflow_error);
  EXPECT_EQ(button.MousePointer(), 11);
  EXPECT_EQ(host.changes, (Strings{"MousePointer"}));
}

TEST_F(PropertiesTest, EmptyPicturesRunTheResizeHandlingWithoutNotice) {
  button.Picture(nullptr);
  EXPECT_EQ(host.Count("SetWindowRegion"), 1);
  EXPECT_EQ(Trace(), (Strings{"Cls"}));

  const PicturePtr hover = MakePicture();
  host.ClearRecords();
  button.PictureHover(hover);  // no Picture yet: both are set
  EXPECT_EQ(button.Picture(), hover);
  EXPECT_EQ(Trace(), (Strings{"Changed Picture", "Cls", "Changed PictureHover"}));
  host.ClearRecords();
  button.PictureHover(nullptr);
  EXPECT_EQ(button.Picture(), hover);
  EXPECT_EQ(Trace(), (Strings{"Cls"}));
}

TEST_F(PropertiesTest, AccessKeysFollowTheAmpersandRules) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"&OK", u"o"},      {u"OK&", u""},      {u"&", u""},      {u"A&&B", u""},  {u"Save && E&xit", u"x"},
      {u"A&&B&&C&D", u""}, {u"&&&x", u"x"},    {u"&&a&", u""},   {u"x", u""},     {u"\u786e&Q", u"q"}};
  for (const auto& [caption, key] : cases) {
    button.Caption(caption);
    EXPECT_EQ(host.AccessKeys(), key) << std::string(caption.begin(), caption.end());
  }
}

}  // namespace
}  // namespace quillet::testing
