// HandleCreate, HandleFirstPlacement, HandleLoad and HandleSave with the 19-key
// persisted format.
#include <cctype>

#include "button/property_text.h"

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

TEST_F(ButtonTest, FirstPlacementInitialisesANewControlQuietly) {
  host.SetAmbient("DisplayName", std::u16string(u"QuilletButton3"));
  host.PlaceNew();
  EXPECT_TRUE(button.ShowFocusRect() && button.Enabled());
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::Classic3D);
  EXPECT_EQ(button.Caption(), u"QuilletButton3");
  EXPECT_EQ(host.DrawingSurface().Font().face, u"Tahoma");
  EXPECT_EQ(button.Font(), nullptr);
  EXPECT_EQ(button.PictureAlign(), PictureAlign::PictureLeftOfCaption);
  EXPECT_EQ(button.MaskColor(), 0x00E0E0E0u);
  EXPECT_EQ(button.ButtonWidth(), 100);
  EXPECT_EQ(button.ButtonHeight(), 30);
  EXPECT_EQ(button.BackColor(), kSysColorButtonFace);  // a system colour follows the system
  EXPECT_EQ(button.ForeColor(), kSysColorButtonText);
  EXPECT_TRUE(host.changes.empty());
  EXPECT_EQ(host.RedrawCount(), 0);
}

TEST_F(ButtonTest, ANewButtonIsCaptionedWithTheNameItsFormNumbersItBy) {
  host.PlaceNew();
  HeadlessHost second(form, HeadlessPlacement{200, 20});
  second.Create();
  second.PlaceNew();
  EXPECT_EQ(button.Caption(), QuilletButton::NameOnForm(1));
  EXPECT_EQ(second.Control().Caption(), u"QuilletButton2");
}

// What the program's forms store: the rest loads at its read default, and saving the
// loaded button stores the same four keys again.
TEST_F(ButtonTest, TheProgramsStoredSetLoadsWithEveryOtherPropertyAtItsReadDefault) {
  host.Load(ProgramFormSet());
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::NavyFrame);
  EXPECT_EQ(button.BackColor(), 0x00E7EBEC);
  EXPECT_EQ(button.Caption(), u"\u786e\u8ba4\u4fee\u6539");
  ASSERT_NE(button.Font(), nullptr);
  EXPECT_EQ(host.DrawingSurface().Font(), button.Font()->Description());
  EXPECT_TRUE(button.Enabled());
  EXPECT_FALSE(button.ShowFocusRect() || button.CheckBoxMode() || button.Value() || button.UseMaskColor());
  EXPECT_EQ(button.CaptionAlign(), CaptionAlign::CaptionCenter);
  EXPECT_EQ(button.PictureAlign(), PictureAlign::PictureLeftOfCaption);
  EXPECT_EQ(button.ForeColor(), kSysColorButtonText);
  EXPECT_EQ(button.ParentWindow(), form.Window());
  EXPECT_TRUE(host.changes.empty());  // load runs no setter
  EXPECT_EQ(Keys(host.Save()), (Strings{"ButtonStyle", "Font", "BackColor", "Caption"}));
}

TEST_F(ButtonTest, ASetMissingEveryOptionalKeyLoadsTheReadDefaults) {
  host.Load(PersistedPropertySet{});
  EXPECT_EQ(button.ButtonStyle(), ButtonStyle::ThinEdge);  // 1, while a new control starts with 0
  EXPECT_EQ(button.Caption(), u"marrowbutton");
  EXPECT_EQ(button.BackColor(), kSysColorButtonFace);  // a system colour follows the system
  EXPECT_EQ(button.ForeColor(), kSysColorButtonText);
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

  // The forms keep their keys in lower case; they load all the same.
  PersistedPropertySet lower;
  for (const auto& [key, value] : saved.Entries()) {
    std::string k = key;
    for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    lower.Put(k, value);
  }
  HeadlessHost third(form, HeadlessPlacement{500, 20});
  third.Create();
  third.Load(lower);
  PersistedPropertySet again = third.Save();
  ASSERT_EQ(again.Size(), saved.Size());
  for (std::size_t i = 0; i < again.Size(); ++i) {
    EXPECT_TRUE(SameValue(again.Entries()[i].second, saved.Entries()[i].second)) << saved.Entries()[i].first;
  }
}

// The text a host keeps in its settings: every value kind comes back, pictures as pixels
// with their mask, and a text it did not write is refused whole.
TEST_F(ButtonTest, EveryPropertySurvivesTheTextForm) {
  host.Load(PersistedPropertySet{});
  PicturePtr icon = MakePicture(PictureType::Icon, 3, 2, 0x00ABCDEF);
  {
    PictureImage image = icon->Image();
    image.mask = {1, 0, 0, 0, 1, 1};
    icon = std::make_shared<MemoryPicture>(PictureType::Icon, image);
  }
  const FontPtr font = std::make_shared<Font>(FontDescription{u"A, b\\n\u5b8b", -11, 700, true, false, true, 2});
  SetEveryProperty(button, host, MakePicture(PictureType::Bitmap, 2, 3), icon, icon, font);
  button.Caption(u"&Line\n\\two\r\n=x");
  const PersistedPropertySet saved = host.Save();
  const auto maker = [](PictureType type, const PictureImage& image) -> PicturePtr {
    return std::make_shared<MemoryPicture>(type, image);
  };
  const std::optional<PersistedPropertySet> back = PropertySetFromText(PropertySetToText(saved), maker);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(Keys(*back), kSaveOrder);
  for (std::size_t i = 0; i < saved.Size(); ++i) {
    const PropertyValue& a = saved.Entries()[i].second;
    const PropertyValue& b = back->Entries()[i].second;
    if (const auto* p = std::get_if<PicturePtr>(&a)) {
      const PicturePtr q = std::get<PicturePtr>(b);
      ASSERT_TRUE(*p && q);
      EXPECT_EQ(q->Type(), (*p)->Type());
      EXPECT_EQ(q->Image().pixels, (*p)->Image().pixels);
      EXPECT_EQ(q->Image().mask, (*p)->Image().mask);
    } else {
      EXPECT_TRUE(SameValue(a, b)) << saved.Entries()[i].first;
      EXPECT_EQ(a.index(), b.index()) << saved.Entries()[i].first;
    }
  }
  const std::u16string head = u"QuilletButton properties 1\n";
  for (const std::u16string& bad : std::vector<std::u16string>{
           std::u16string(), u"QuilletButton properties 2\n", head + u"Caption\n", head + u"=t:x\n",
        head + u"Caption=x:1\n", head + u"Enabled=b:2\n", head + u"Style=s:40000\n", head + u"Style=i:1x\n",
        head + u"Caption=t:a\\q\n", head + u"Caption=t:a\\\n", head + u"Font=f:-11,700,1,0,1\n",
        head + u"Picture=p:1,2,1,ff0000\n", head + u"Picture=p:1,1,1,ff0000,1\n", head + u"Picture=p:3,1,1,ff0000\n",
        head + u"Picture=p:2,1,1,ff0000\n", head + u"Picture=p:1,0,1,\n", head + u"Picture=p:1,1,1,gg0000\n",
        head + u"K\u00e9y=b:1\n"}) {
    EXPECT_FALSE(PropertySetFromText(bad, maker).has_value()) << std::string(bad.begin(), bad.end());
  }
  // Line ends written by an editor on Windows, and blank lines, are read.
  const auto crlf = PropertySetFromText(u"QuilletButton properties 1\r\n\r\nButtonStyle=i:7\r\n", maker);
  ASSERT_TRUE(crlf.has_value());
  EXPECT_EQ(crlf->Find("ButtonStyle"), PropertyValue{std::int32_t{7}});
}

TEST_F(ButtonTest, MarrowButtonOneSurvivesASaveAndLoad) {
  host.Load(PersistedPropertySet{});
  button.Caption(u"marrowbutton1");
  const PersistedPropertySet saved = host.Save();
  ASSERT_TRUE(saved.Contains("Caption"));
  HeadlessHost other(form, HeadlessPlacement{300, 20});
  QuilletButton& copy = other.Create();
  other.Load(saved);
  EXPECT_EQ(copy.Caption(), u"marrowbutton1");
  button.Caption(u"marrowbutton");  // the default itself is left out and comes back
  EXPECT_FALSE(host.Save().Contains("Caption"));
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

TEST_F(ButtonTest, ColoursAreSavedAgainstTheSystemColours) {
  host.Load(PersistedPropertySet{});
  button.BackColor(kSysColorButtonFace);
  button.ForeColor(kSysColorButtonText);
  EXPECT_EQ(host.Save().Size(), 0u);
  button.BackColor(Face());  // today's face as a fixed colour: a different value, stored
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

}  // namespace
}  // namespace quillet::testing
