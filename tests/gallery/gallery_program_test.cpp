// quillet-gallery.exe under Wine, worked with real input: each of the sixteen buttons under
// the pointer and held down, as the screen shows it, against the same button drawn by the
// raster with Wine's system colours (text left out: the raster draws none); TAB through the
// buttons in order; the options changing all sixteen at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "button/style_names.h"
#include "support/program_driver.h"
#include "support/screen_capture.h"
#include "gallery_layout.h"
#include "gallery_window.h"
#include "raster/memory_picture.h"
#include "raster/raster_surface.h"
#include "raster/region_mask.h"
#include "win32/gdi_surface.h"
#include "render_button.h"
#include "support/wine_system_colors.h"
#include "support/win32_test_utils.h"

namespace quillet::gallery {
namespace {

using wendral::e2e::ProgramDriver;
using wendral::e2e::ScreenShot;
using wendral::e2e::WaitFor;

// A button's look as the raster draws it: pixels 0x00RRGGBB, the inside of its region, and
// where its text went.
struct ExpectedLook {
  std::int32_t width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint8_t> inside;
  Rect caption;
};

// Text for the raster that measures as GDI does (so captions and pictures are laid out as
// on the screen), draws no ink, and keeps where text went: the comparison leaves it out.
class GdiMeasuredText final : public RasterTextEngine {
 public:
  Size Measure(const FontDescription& font, std::u16string_view text) override {
    if (!gdi_) return {};
    gdi_->SetFont(font);
    return gdi_->MeasureText(text);
  }
  void Draw(RasterSurface&, const FontDescription& font, std::u16string_view text, std::int32_t x, std::int32_t y,
            Color, std::int32_t, const Rect&) override {
    const Size size = Measure(font, text);
    const Rect r{x, y, x + size.cx, y + size.cy};
    drawn = drawn.right > drawn.left ? Rect{std::min(drawn.left, r.left), std::min(drawn.top, r.top),
                                            std::max(drawn.right, r.right), std::max(drawn.bottom, r.bottom)}
                                     : r;
  }
  Rect drawn;

 private:
  std::unique_ptr<GdiDibSurface> gdi_ = GdiDibSurface::Create(1, 1);
};

render::RenderOptions GalleryButton(std::int32_t style, std::int32_t width, std::int32_t height) {
  const GalleryOptions defaults;
  render::RenderOptions o;
  o.style = style;
  o.width = width;
  o.height = height;
  const std::u16string_view name = ButtonStyleName(style);
  o.caption.assign(name.begin(), name.end());
  o.font = std::u16string(kButtonFontFace);
  o.font_size = kButtonFontPoints;
  o.show_focus_rect = defaults.show_focus_rect;
  o.caption_align = static_cast<std::int32_t>(defaults.caption_align);
  o.checkbox = defaults.check_box_mode;
  o.enabled = defaults.enabled;
  return o;
}

ExpectedLook DrawnByRaster(const render::RenderOptions& o, bool picture) {
  ExpectedLook look;
  HeadlessForm form;
  HeadlessHost host(form, render::PlacementFor(o));
  host.Raster().SetSystemColors(WineSystemColors());
  const auto text = std::make_shared<GdiMeasuredText>();
  host.Raster().SetTextEngine(text);
  render::ButtonPictures pictures;
  if (picture) pictures.picture = std::make_shared<MemoryPicture>(PictureType::Icon, GalleryIconImage());
  render::DriveButton(host, o, pictures);
  look.width = host.Raster().Width();
  look.height = host.Raster().Height();
  look.pixels = host.Raster().Pixels();
  const auto region = render::LastRegion(host);
  look.inside = region ? RegionMask(*region, look.width, look.height) : std::vector<std::uint8_t>(look.pixels.size(), 1);
  look.caption = text->drawn;
  return look;
}

// Pixels inside the region and outside the caption that the screen shows otherwise;
// `compared` counts the pixels looked at.
int Differences(const ScreenShot& shot, const ExpectedLook& look, std::string* first = nullptr,
                int* compared = nullptr) {
  if (shot.width() != look.width || shot.height() != look.height) return look.width * look.height + 1;
  // Around the text: glyphs may reach a little past their measured advance.
  const Rect skip{look.caption.left - 2, look.caption.top - 2, look.caption.right + 2, look.caption.bottom + 2};
  int count = 0;
  for (std::int32_t y = 0; y < look.height; ++y)
    for (std::int32_t x = 0; x < look.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * look.width + x;
      if (!look.inside[i] || (x >= skip.left && x < skip.right && y >= skip.top && y < skip.bottom)) continue;
      if (compared) ++*compared;
      const std::uint32_t p = look.pixels[i];
      const COLORREF want = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
      if (shot.At(x, y) == want) continue;
      if (first && count == 0) {
        char text[200];
        std::snprintf(text, sizeof text, "first at (%d, %d): screen %s, raster %s, caption (%d, %d)-(%d, %d)", x, y,
                      wendral::e2e::DescribeColor(shot.At(x, y)).c_str(), wendral::e2e::DescribeColor(want).c_str(),
                      look.caption.left, look.caption.top, look.caption.right, look.caption.bottom);
        *first = text;
      }
      ++count;
    }
  return count;
}

class GalleryProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(process_.Start(wendral::test::ExecutableFolder() + L"\\quillet-gallery.exe"));
    form_ = process_.WaitForWindow(kGalleryClassName);
    ASSERT_NE(form_, nullptr);
    Sleep(300);
    ProgramDriver::Activate(form_);
  }
  void TearDown() override {
    if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
    process_.WaitForExit(5000);
    process_.End();
  }
  HWND Button(std::int32_t style) const { return GetDlgItem(form_, kFirstButtonId + style); }
  HWND Focus() const { return process_.Focus(); }
  // Waits until the button shows `look` (or the time is up) and answers the differences.
  int ShowsWithin(HWND button, const ExpectedLook& look, const std::wstring& png_name) {
    RECT client;
    GetClientRect(button, &client);
    auto shot = [&] { return ScreenShot::OfClient(button, client); };
    WaitFor([&] { return Differences(shot(), look) == 0; }, 3000);
    std::string first;
    int compared = 0;
    const int differences = Differences(shot(), look, &first, &compared);
    // Most of the button is held to the raster, not only a rim around the text.
    EXPECT_GT(compared, look.width * look.height / 2);
    if (differences) {
      std::printf("%d pixels differ, %s; the screen: %s\n", differences, first.c_str(), shot().SavePng(png_name).c_str());
    }
    return differences;
  }

  wendral::test::StartedProcess process_;
  HWND form_ = nullptr;
};

TEST_F(GalleryProgramTest, EveryButtonUnderThePointerAndHeldDownLooksAsTheRasterDrawsIt) {
  const std::u16string_view none;
  int compared = 0;
  for (std::int32_t style = 0; style < kButtonStyleCount; ++style) {
    SCOPED_TRACE(std::string("style ") + std::to_string(style));
    HWND button = Button(style);
    ASSERT_TRUE(button);
    RECT client;
    GetClientRect(button, &client);
    EXPECT_EQ(client.right, 120);
    EXPECT_EQ(client.bottom, 32);
    ASSERT_NE(ButtonStyleName(style), none);

    ProgramDriver::PointAt(button, client.right / 2, client.bottom / 2);
    render::RenderOptions o = GalleryButton(style, client.right, client.bottom);
    o.look = render::Look::Hot;
    o.focus = Focus() == button;
    const std::wstring n = std::to_wstring(style);
    EXPECT_EQ(ShowsWithin(button, DrawnByRaster(o, false), L"gallery-hot-" + n + L".png"), 0) << "hot";

    ProgramDriver::LeftButton(true);
    EXPECT_EQ(Focus(), button);  // a press takes the focus
    o.look = render::Look::Pressed;
    o.focus = true;
    EXPECT_EQ(ShowsWithin(button, DrawnByRaster(o, false), L"gallery-pressed-" + n + L".png"), 0) << "pressed";
    ProgramDriver::LeftButton(false);
    compared += 2;
  }
  EXPECT_EQ(compared, 32);
}

TEST_F(GalleryProgramTest, TabVisitsTheSixteenButtonsInOrderThenTheOptions) {
  HWND first = Button(0);
  ProgramDriver::PointAt(first, 10, 10);
  ProgramDriver::LeftButton(true);
  ProgramDriver::LeftButton(false);
  ASSERT_EQ(Focus(), first);
  for (std::int32_t style = 1; style < kButtonStyleCount; ++style) {
    ProgramDriver::Key(VK_TAB);
    EXPECT_EQ(Focus(), Button(style)) << "after " << style << " TABs";
  }
  ProgramDriver::Key(VK_TAB);
  EXPECT_EQ(Focus(), GetDlgItem(form_, kEnabledId));
  ProgramDriver::Key(VK_TAB, false, false, true);
  EXPECT_EQ(Focus(), Button(15));
}

TEST_F(GalleryProgramTest, OptionsChangeAllSixteenAtOnce) {
  // Enabled off and the picture on: every button disabled with the icon, nothing hot.
  for (int id : {kEnabledId, kPictureId}) {
    HWND box = GetDlgItem(form_, id);
    ASSERT_TRUE(box);
    ProgramDriver::PointAt(box, 6, 6);
    ProgramDriver::LeftButton(true);
    ProgramDriver::LeftButton(false);
  }
  EXPECT_EQ(IsDlgButtonChecked(form_, kEnabledId), BST_UNCHECKED);
  EXPECT_EQ(IsDlgButtonChecked(form_, kPictureId), BST_CHECKED);
  for (std::int32_t style = 0; style < kButtonStyleCount; ++style) {
    SCOPED_TRACE(std::string("style ") + std::to_string(style));
    EXPECT_FALSE(IsWindowEnabled(Button(style)));
    render::RenderOptions o = GalleryButton(style, 120, 32);
    o.enabled = false;
    EXPECT_EQ(ShowsWithin(Button(style), DrawnByRaster(o, true), L"gallery-disabled-" + std::to_wstring(style) + L".png"),
              0);
  }
  // TAB passes over disabled buttons.
  ProgramDriver::Key(VK_TAB, false, false, true);
  EXPECT_EQ(Focus(), GetDlgItem(form_, kShowFocusRectId));
}

}  // namespace
}  // namespace quillet::gallery
