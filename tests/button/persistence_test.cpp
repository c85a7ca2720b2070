// HandleCreate, HandleFirstPlacement, HandleLoad and HandleSave with the 19-key
// persisted format.
#include "button_fixture.h"

namespace quillet::testing {
namespace {

const Strings kSaveOrder = {"ButtonStyle",  "ShowFocusRect", "Enabled",      "Font",         "BackColor",
                            "Caption",      "ForeColor",     "CheckBoxMode", "Value",        "MousePointer",
                            "HandPointer",  "MouseIcon",     "Picture",      "PictureHover", "PictureAlign",
                            "pictureSize",  "UseMaskCOlor",  "MaskColor",    "CaptionAlign"};

Strings Keys(const PersistedPropertySet& set) {
  Strings keys;
  for (const auto& [key, value] : set.Entries()) keys.push_back(key);
  return keys;
}

// Every property away from its default, set straight through the setters.
void SetEveryProperty(QuilletButton& b, HeadlessHost& host, const PicturePtr& pic, const PicturePtr& hover,
                      const PicturePtr& icon, const FontPtr& font) {
  b.ButtonStyle(ButtonStyle::SilverGlass);
  b.ShowFocusRect(true);
  b.Enabled(false);
  b.Font(font);
  b.BackColor(0x00123456);
  b.Caption(u"&Save");
  b.ForeColor(0x00654321);
  b.CheckBoxMode(true);
  b.Value(true);
  b.MousePointer(11);
  b.HandPointer(true);
  b.Picture(pic);
  b.PictureHover(hover);
  b.PictureAlign(PictureAlign::PictureBottomEdge);
  b.PictureSize(PictureSize::Picture24);
  b.UseMaskColor(true);
  b.MaskColor(0x00FF00FF);
  b.CaptionAlign(CaptionAlign::CaptionRight);
  host.SetMouseIcon(icon);  // after MouseIcon's setter would have set pointer 99
}

TEST_F(ButtonTest, CreateTakesTheUnicodePlatformFromThePlatformId) {
  EXPECT_TRUE(button.UnicodePlatform());
  HeadlessHost old_windows(form, HeadlessPlacement{200, 20});
  old_windows.platform_id = 1;  // VER_PLATFORM_WIN32_WINDOWS
  EXPECT_FALSE(old_windows.Create().UnicodePlatform());
}

TEST_F(ButtonTest, EverythingStartsZeroed) {
  EXPECT_EQ(button.BackColor(), 0u);
  EXPECT_EQ(static_cast<int>(button.ButtonStyle()), 0);
  EXPECT_EQ(button.Caption(), u"");
  EXPECT_FALSE(button.Enabled());
  EXPECT_EQ(button.Font(), nullptr);
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_FALSE(button.MouseOver() || button.LeftButtonDown() || button.HasFocus() || button.SpaceDown() ||
               button.ParentActive() || button.DisplayAsDefault());
  EXPECT_EQ(button.ButtonWidth(), 0);
  EXPECT_EQ(button.RegionHandle(), 0u);
}

TEST_F(ButtonTest, FirstPlacementInitialisesANewControlQuietly) {
  host.SetAmbient("DisplayName", std::u16string(u"QuilletButton3"));
  host.PlaceNew();
  EXPECT_TRUE(button.ShowFocusRect());  // style 0's default is true as well
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::Classic3D);
  EXPECT_EQ(button.Caption(), u"QuilletButton3");
  EXPECT_EQ(host.DrawingSurface().Font().face, u"Tahoma");
  EXPECT_EQ(button.Font(), nullptr);
  EXPECT_EQ(button.PictureAlign(), PictureAlign::PictureLeftOfCaption);
  EXPECT_EQ(button.CaptionAlign(), CaptionAlign::CaptionCenter);
  EXPECT_FALSE(button.UseMaskColor());
  EXPECT_EQ(button.MaskColor(), 0x00E0E0E0u);
  EXPECT_EQ(button.ButtonWidth(), 100);
  EXPECT_EQ(button.ButtonHeight(), 30);
  EXPECT_EQ(button.BackColor(), Face());
  EXPECT_EQ(button.ForeColor(), Text());
  EXPECT_TRUE(host.changes.empty());
  EXPECT_EQ(host.RedrawCount(), 0);
}

TEST_F(ButtonTest, TheProgramsStoredSetLoadsWithEveryOtherPropertyAtItsReadDefault) {
  host.Load(ProgramFormSet());
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::NavyFrame);
  EXPECT_EQ(button.BackColor(), 0x00E7EBEC);
  EXPECT_EQ(button.Caption(), u"\u786e\u8ba4\u4fee\u6539");
  ASSERT_NE(button.Font(), nullptr);
  EXPECT_EQ(host.DrawingSurface().Font(), button.Font()->Description());
  EXPECT_TRUE(button.Enabled());
  EXPECT_FALSE(button.ShowFocusRect());
  EXPECT_FALSE(button.CheckBoxMode());
  EXPECT_FALSE(button.Value());
  EXPECT_EQ(button.CaptionAlign(), CaptionAlign::CaptionCenter);
  EXPECT_EQ(button.PictureAlign(), PictureAlign::PictureLeftOfCaption);
  EXPECT_EQ(button.PictureSize(), PictureSize::PictureNatural);
  EXPECT_EQ(button.MaskColor(), 0x00E0E0E0u);
  EXPECT_FALSE(button.UseMaskColor());
  EXPECT_FALSE(button.HandPointer());
  EXPECT_EQ(button.MousePointer(), 0);
  EXPECT_EQ(button.MouseIcon(), nullptr);
  EXPECT_EQ(button.Picture(), nullptr);
  EXPECT_EQ(button.PictureHover(), nullptr);
  EXPECT_EQ(button.ForeColor(), Text());
  EXPECT_EQ(button.ParentWindow(), form.Window());
  EXPECT_TRUE(host.changes.empty());  // load runs no setter
}

TEST_F(ButtonTest, ASetMissingEveryOptionalKeyLoadsTheReadDefaults) {
  host.Load(PersistedPropertySet{});
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::ThinEdge);  // 1, while a new control starts with 0
  EXPECT_EQ(button.Caption(), u"marrowbutton");
  EXPECT_EQ(button.BackColor(), Face());
  EXPECT_EQ(button.ForeColor(), Text());
  EXPECT_EQ(button.Font(), host.AmbientFontObject());
  EXPECT_TRUE(button.Enabled());
  EXPECT_FALSE(button.ShowFocusRect());
}

TEST_F(ButtonTest, LoadFinishesWithColoursAccessKeySizeAndOneResize) {
  host.SetWidth(100);  // below the minimum: the load's resize handling enlarges it
  host.ClearRecords();
  host.Load(ProgramFormSet(u"&OK"));
  EXPECT_EQ(host.AccessKeys(), u"o");
  EXPECT_EQ(host.DrawingSurface().ForeColor(), button.ForeColor());
  EXPECT_TRUE(host.WindowEnabled());
  EXPECT_EQ(host.Width(), 220);
  EXPECT_EQ(host.RedrawCount(), 1);
  ASSERT_EQ(host.Regions().size(), 1u);
  const Strings order = {"SetMousePointer 0", "SetMouseIcon none", "SetWindowEnabled true", "SetWidth 220"};
  std::size_t at = 0;
  for (const std::string& line : host.journal) {
    if (at < order.size() && line == order[at]) ++at;
  }
  EXPECT_EQ(at, order.size());
}

TEST_F(ButtonTest, LoadDoesNotApplyStyleDefaults) {
  PersistedPropertySet set;
  set.Put("ButtonStyle", std::int32_t{5});
  set.Put("BackColor", std::int32_t{0x00010203});
  host.Load(set);
  EXPECT_EQ(button.BackColor(), 0x00010203u);
  EXPECT_EQ(button.ForeColor(), Text());  // not style 5's white
}

TEST_F(ButtonTest, AFreshlyLoadedButtonSavesNothing) {
  host.Load(PersistedPropertySet{});
  EXPECT_EQ(host.Save().Size(), 0u);
}

TEST_F(ButtonTest, SaveWritesTheNineteenKeysInTheSaveOrder) {
  host.Load(PersistedPropertySet{});
  SetEveryProperty(button, host, MakePicture(), MakePicture(PictureType::Bitmap, 8, 8),
                   MakePicture(PictureType::Icon, 32, 32),
                   std::make_shared<Font>(FontDescription{u"Tahoma", -11, 700}));
  EXPECT_EQ(Keys(host.Save()), kSaveOrder);
}

TEST_F(ButtonTest, EveryPropertySurvivesASaveAndLoad) {
  host.Load(PersistedPropertySet{});
  const PicturePtr pic = MakePicture();
  const PicturePtr hover = MakePicture(PictureType::Bitmap, 8, 8);
  const PicturePtr icon = MakePicture(PictureType::Icon, 32, 32);
  const FontPtr font = std::make_shared<Font>(FontDescription{u"Tahoma", -11, 700});
  SetEveryProperty(button, host, pic, hover, icon, font);
  const PersistedPropertySet saved = host.Save();

  HeadlessHost other(form, HeadlessPlacement{300, 20});
  QuilletButton& copy = other.Create();
  other.Load(saved);
  EXPECT_EQ(copy.ButtonStyle(), ButtonStyle::SilverGlass);
  EXPECT_TRUE(copy.ShowFocusRect());
  EXPECT_FALSE(copy.Enabled());
  EXPECT_FALSE(other.WindowEnabled());
  EXPECT_EQ(copy.Font(), font);
  EXPECT_EQ(copy.BackColor(), 0x00123456u);
  EXPECT_EQ(copy.Caption(), u"&Save");
  EXPECT_EQ(other.AccessKeys(), u"s");
  EXPECT_EQ(copy.ForeColor(), 0x00654321u);
  EXPECT_TRUE(copy.CheckBoxMode());
  EXPECT_TRUE(copy.Value());
  EXPECT_EQ(copy.MousePointer(), 11);
  EXPECT_TRUE(copy.HandPointer());
  EXPECT_EQ(copy.MouseIcon(), icon);
  EXPECT_EQ(copy.Picture(), pic);
  EXPECT_EQ(copy.PictureHover(), hover);
  EXPECT_EQ(copy.PictureAlign(), PictureAlign::PictureBottomEdge);
  EXPECT_EQ(copy.PictureSize(), PictureSize::Picture24);
  EXPECT_TRUE(copy.UseMaskColor());
  EXPECT_EQ(copy.MaskColor(), 0x00FF00FFu);
  EXPECT_EQ(copy.CaptionAlign(), CaptionAlign::CaptionRight);
  // And saving the copy stores the same set again.
  EXPECT_EQ(Keys(other.Save()), kSaveOrder);
}

TEST_F(ButtonTest, LowerCaseKeysLoadLikeTheirSpelling) {
  PersistedPropertySet set;
  set.Put("buttonstyle", std::int32_t{7});
  set.Put("showfocusrect", true);
  set.Put("enabled", false);
  set.Put("caption", std::u16string(u"lower"));
  set.Put("value", true);
  set.Put("checkboxmode", true);
  set.Put("mousepointer", std::int16_t{2});
  set.Put("handpointer", true);
  set.Put("picturesize", std::int32_t{3});
  set.Put("maskcolor", std::int32_t{0x00112233});
  set.Put("usemaskcolor", true);
  set.Put("picturealign", std::int32_t{4});
  set.Put("captionalign", std::int32_t{0});
  set.Put("forecolor", std::int32_t{0x00445566});
  set.Put("backcolor", std::int32_t{0x00778899});
  host.Load(set);
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::AmberGloss);
  EXPECT_TRUE(button.ShowFocusRect());
  EXPECT_FALSE(button.Enabled());
  EXPECT_EQ(button.Caption(), u"lower");
  EXPECT_TRUE(button.Value());
  EXPECT_TRUE(button.CheckBoxMode());
  EXPECT_EQ(button.MousePointer(), 2);
  EXPECT_TRUE(button.HandPointer());
  EXPECT_EQ(button.PictureSize(), PictureSize::Picture32);
  EXPECT_EQ(button.MaskColor(), 0x00112233u);
  EXPECT_TRUE(button.UseMaskColor());
  EXPECT_EQ(button.PictureAlign(), PictureAlign::PictureCenter);
  EXPECT_EQ(button.CaptionAlign(), CaptionAlign::CaptionLeft);
  EXPECT_EQ(button.ForeColor(), 0x00445566u);
  EXPECT_EQ(button.BackColor(), 0x00778899u);
}

TEST_F(ButtonTest, PictureSizeAndUseMaskColorKeepTheirOddSpellings) {
  host.Load(PersistedPropertySet{});
  button.PictureSize(PictureSize::Picture16);
  button.UseMaskColor(true);
  const PersistedPropertySet saved = host.Save();
  EXPECT_EQ(Keys(saved), (Strings{"pictureSize", "UseMaskCOlor"}));
  EXPECT_EQ(host.changes.back(), "UseMaskColor");  // the notification uses the plain name
  HeadlessHost other(form, HeadlessPlacement{300, 20});
  QuilletButton& copy = other.Create();
  other.Load(saved);
  EXPECT_EQ(copy.PictureSize(), PictureSize::Picture16);
  EXPECT_TRUE(copy.UseMaskColor());
}

TEST_F(ButtonTest, StyleOneIsTheStoredDefaultWhileStyleZeroIsStored) {
  host.Load(PersistedPropertySet{});
  button.ButtonStyle(ButtonStyle::ThinEdge);
  EXPECT_FALSE(host.Save().Contains("ButtonStyle"));
  button.ButtonStyle(ButtonStyle::Classic3D);
  const PersistedPropertySet saved = host.Save();
  ASSERT_TRUE(saved.Contains("ButtonStyle"));
  EXPECT_EQ(ToInt32(*saved.Find("ButtonStyle")), 0);
}

// The mended fault: the write default of "Caption" is the read default.
TEST_F(ButtonTest, MarrowButtonOneSurvivesASaveAndLoad) {
  host.Load(PersistedPropertySet{});
  button.Caption(u"marrowbutton1");
  const PersistedPropertySet saved = host.Save();
  ASSERT_TRUE(saved.Contains("Caption"));
  HeadlessHost other(form, HeadlessPlacement{300, 20});
  QuilletButton& copy = other.Create();
  other.Load(saved);
  EXPECT_EQ(copy.Caption(), u"marrowbutton1");
}

TEST_F(ButtonTest, TheDefaultCaptionIsNotStoredAndLoadsBackUnchanged) {
  host.Load(PersistedPropertySet{});
  button.Caption(u"marrowbutton");
  const PersistedPropertySet saved = host.Save();
  EXPECT_FALSE(saved.Contains("Caption"));
  HeadlessHost other(form, HeadlessPlacement{300, 20});
  QuilletButton& copy = other.Create();
  other.Load(saved);
  EXPECT_EQ(copy.Caption(), u"marrowbutton");
}

TEST_F(ButtonTest, StoredSetsLoadExactlyAsBefore) {
  for (const std::u16string caption : {u"marrowbutton1", u"marrowbutton", u"", u"\u786e\u8ba4\u4fee\u6539"}) {
    PersistedPropertySet set;
    set.Put("caption", caption);
    HeadlessHost h(form, HeadlessPlacement{300, 20});
    QuilletButton& b = h.Create();
    h.Load(set);
    EXPECT_EQ(b.Caption(), caption);
  }
}

TEST_F(ButtonTest, ColoursAreSavedAgainstTheResolvedSystemColours) {
  host.Load(PersistedPropertySet{});
  button.BackColor(Face());
  button.ForeColor(Text());
  EXPECT_EQ(host.Save().Size(), 0u);
  button.BackColor(kSysColorButtonFace);  // unresolved: a different value, stored
  EXPECT_TRUE(host.Save().Contains("BackColor"));
}

TEST_F(ButtonTest, FontIsSavedAgainstTheAmbientFont) {
  host.Load(PersistedPropertySet{});
  button.Font(std::make_shared<Font>(host.AmbientFontObject()->Description()));  // same font, other object
  EXPECT_FALSE(host.Save().Contains("Font"));
  button.Font(std::make_shared<Font>(FontDescription{u"Tahoma", -11}));
  EXPECT_TRUE(host.Save().Contains("Font"));
}

TEST_F(ButtonTest, LoadInTheDesignerNeitherHooksNorLoadsTheHandPointer) {
  PersistedPropertySet set = ProgramFormSet();
  set.Put("HandPointer", true);
  host.SetAmbient("UserMode", false);
  host.Load(set);
  EXPECT_TRUE(button.HandPointer());
  EXPECT_EQ(button.HandCursor(), 0u);
  EXPECT_EQ(host.Count("LoadCursor"), 0);
  EXPECT_EQ(host.Count("GetModuleHandle"), 0);
  EXPECT_EQ(form.HookCount(host.Window()), 0u);
  EXPECT_FALSE(button.TrackingAvailable());
}

TEST_F(ButtonTest, LoadAtRunTimeTakesTheHandPointer) {
  PersistedPropertySet set = ProgramFormSet();
  set.Put("HandPointer", true);
  host.Load(set);
  EXPECT_EQ(host.JournalLines("LoadCursor"), Strings{"LoadCursor 32649"});
  EXPECT_NE(button.HandCursor(), 0u);
  EXPECT_TRUE(button.HandPointer());
}

TEST_F(ButtonTest, WithoutAHandPointerTheFlagTurnsOff) {
  PersistedPropertySet set = ProgramFormSet();
  set.Put("HandPointer", true);
  host.hand_cursor_available = false;
  host.Load(set);
  EXPECT_EQ(button.HandCursor(), 0u);
  EXPECT_FALSE(button.HandPointer());
}

TEST_F(ButtonTest, AFailingHostCallBeforeTheHookStepStopsTheLoad) {
  host.failing_services.insert("SetMouseIcon");
  EXPECT_THROW(host.Load(ProgramFormSet()), HostError);
  EXPECT_EQ(host.RedrawCount(), 0);
  EXPECT_EQ(form.HookCount(host.Window()), 0u);
}

TEST_F(ButtonTest, DestroyAtDesignTimeLeavesHooksAloneAndNeverFails) {
  LoadInDesigner();
  EXPECT_NO_THROW(button.HandleDestroy());
  EXPECT_EQ(host.Count("UnhookWindow"), 0);
}

}  // namespace
}  // namespace quillet::testing
