// What the user sees and follows on the main window, taken from the screen: the apply
// button at rest, under the pointer and held down; the feedback label turning red under the
// pointer; the banner; the label and the banner opening the feedback page in the browser.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "e2e_fixture.h"
#include "support/screen_capture.h"

namespace wendral::e2e {
namespace {

// The button's base colour and the navy-frame look's fixed colours (0x00BBGGRR).
constexpr COLORREF kBackColor = 0xE7EBEC;
constexpr COLORREF kNavy = 0x743C00;
constexpr COLORREF kHotTopRow1 = 0xCFF0FF;
constexpr COLORREF kHotLeftColumn1 = 0x49BDF9;
constexpr COLORREF kHotBottomRowH2 = 0x0097E5;

// Every channel moved by amount × 255 and clamped; the rounding is the drawing code's own,
// hence the tolerance of the checks that use it.
COLORREF Offset(COLORREF c, double amount) {
  auto channel = [&](int v) {
    const double moved = v + amount * 255.0;
    return static_cast<BYTE>(moved < 0 ? 0 : moved > 255 ? 255 : moved + 0.5);
  };
  return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

// Main window places in twips, from the window's layout table.
constexpr RECT kFeedbackLinkTwips{1875, 3000, 1875 + 900, 3000 + 180};
constexpr POINT kBareTwips{300, 3000};     // left of the label, between apply button and frame
constexpr POINT kFrameTwips{2250, 3600};   // inside the mode frame, below its caption line
constexpr POINT kBannerTwips{2250, 600};   // on Banner, above the option buttons

int Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}
int Px(int twips) { return MulDiv(twips, Dpi(), 1440); }
void PointAtTwips(HWND form, POINT twips) { ProgramDriver::PointAt(form, Px(twips.x), Px(twips.y)); }

std::wstring LooksDirectory() {
  wchar_t here[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, here);
  std::wstring dir = std::wstring(here) + L"\\e2e-looks";
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

class MainWindowLooksTest : public WendralE2eTest {
 protected:
  HWND StartCafeMode() { return StartLater(SettingsText(L"looks", "0000", "0000")); }
};

// ----- The apply button, at rest, hot and pressed ---------------------------------------

TEST_F(MainWindowLooksTest, ApplyButtonShowsRestHotAndPressedLooksOnScreen) {
  HWND form = StartCafeMode();
  ASSERT_TRUE(form);
  HWND button = Child(form, IDC_APPLY_BUTTON);
  RECT client;
  GetClientRect(button, &client);
  const int w = client.right, h = client.bottom;
  ASSERT_GT(w, 60);
  ASSERT_GT(h, 12);
  const int mid = w / 2;
  const int left = 10;  // left of the caption, right of the rim columns
  auto shot = [&] { return ScreenShot::OfClient(button, client); };

  // The pointer may have been left over the button by an earlier case.
  PointAtTwips(form, kBareTwips);
  EXPECT_TRUE(WaitFor([&] { return ColorDistance(shot().At(mid, 1), kHotTopRow1) > 20; }, 3000));
  const ScreenShot rest = shot();
  ProgramDriver::PointAt(button, left, h / 2);
  EXPECT_TRUE(WaitFor([&] { return ColorDistance(shot().At(mid, 1), kHotTopRow1) <= 2; }, 3000));
  const ScreenShot hot = shot();
  ProgramDriver::LeftButton(true);
  const COLORREF pressedTop = Offset(kBackColor, -0.16);
  EXPECT_TRUE(WaitFor([&] { return ColorDistance(shot().At(left, 1), pressedTop) <= 2; }, 3000));
  const ScreenShot pressed = shot();
  // Let go away from the button: no click, so café mode writes nothing.
  PointAtTwips(form, kBareTwips);
  ProgramDriver::LeftButton(false);

  const std::wstring dir = LooksDirectory();
  for (const auto& [name, look] : {std::pair{L"apply-rest.png", &rest}, std::pair{L"apply-hot.png", &hot},
                                   std::pair{L"apply-pressed.png", &pressed}}) {
    std::printf("apply button look: %s\n", look->SavePng(dir + L"\\" + name).c_str());
  }

  // Three different looks, not three copies of one.
  const int area = w * h;
  EXPECT_GT(rest.DifferingPixels(hot), 2 * (w + h)) << "of " << area;
  EXPECT_GT(rest.DifferingPixels(pressed), area / 2);
  EXPECT_GT(hot.DifferingPixels(pressed), area / 2);

  // Every look: the navy frame down both sides.
  for (const ScreenShot* look : {&rest, &hot, &pressed}) {
    EXPECT_LE(ColorDistance(look->At(0, h / 2), kNavy), 2) << DescribeColor(look->At(0, h / 2));
    EXPECT_LE(ColorDistance(look->At(w - 1, h / 2), kNavy), 2) << DescribeColor(look->At(w - 1, h / 2));
  }
  // At rest: a face shaded from top to bottom, a highlight down the left, no amber trim.
  EXPECT_GT(ColorDistance(rest.At(left, 6), rest.At(left, h - 5)), 2)
      << DescribeColor(rest.At(left, 6)) << " / " << DescribeColor(rest.At(left, h - 5));
  EXPECT_LE(ColorDistance(rest.At(1, h / 2), RGB(0xF5, 0xF5, 0xF3)), 2) << DescribeColor(rest.At(1, h / 2));
  EXPECT_GT(ColorDistance(rest.At(mid, 1), kHotTopRow1), 20) << DescribeColor(rest.At(mid, 1));
  // Hot: the amber trim along the top, the left and the bottom.
  EXPECT_LE(ColorDistance(hot.At(mid, 1), kHotTopRow1), 2) << DescribeColor(hot.At(mid, 1));
  EXPECT_LE(ColorDistance(hot.At(1, h / 2), kHotLeftColumn1), 2) << DescribeColor(hot.At(1, h / 2));
  EXPECT_LE(ColorDistance(hot.At(left, h - 2), kHotBottomRowH2), 2) << DescribeColor(hot.At(left, h - 2));
  // Pressed: a flat face a little darker than the base, a dark rim above, a light one below.
  const COLORREF face = Offset(kBackColor, -0.05);
  EXPECT_LE(ColorDistance(pressed.At(left, 6), face), 2) << DescribeColor(pressed.At(left, 6));
  EXPECT_EQ(pressed.At(left, 6), pressed.At(left, h - 5));
  EXPECT_LE(ColorDistance(pressed.At(left, 1), pressedTop), 2) << DescribeColor(pressed.At(left, 1));
  EXPECT_LE(ColorDistance(pressed.At(left, h - 2), Offset(kBackColor, 0.07)), 2)
      << DescribeColor(pressed.At(left, h - 2));

  Sleep(500);
  EXPECT_FALSE(program.FindVisible(L"#32770", L"提示"));
  EXPECT_EQ(SsidCount(QueryClass(kClass001)), 0);
  CloseWith(form);
}

// ----- The feedback label's colour ------------------------------------------------------

struct LabelInk {
  int red = 0;
  int blue = 0;
};

LabelInk InkOf(HWND form) {
  const RECT box{Px(kFeedbackLinkTwips.left), Px(kFeedbackLinkTwips.top), Px(kFeedbackLinkTwips.right), Px(kFeedbackLinkTwips.bottom)};
  const ScreenShot label = ScreenShot::OfClient(form, box);
  LabelInk ink;
  for (int y = 0; y < label.height(); ++y) {
    for (int x = 0; x < label.width(); ++x) {
      const int r = GetRValue(label.At(x, y)), g = GetGValue(label.At(x, y)), b = GetBValue(label.At(x, y));
      ink.red += r > g + 80 && r > b + 80;
      ink.blue += b > r + 80 && b > g + 80;
    }
  }
  return ink;
}

bool ShowsRed(HWND form) {
  const LabelInk ink = InkOf(form);
  return ink.red > 10 && ink.blue == 0;
}
bool ShowsBlue(HWND form) {
  const LabelInk ink = InkOf(form);
  return ink.blue > 10 && ink.red == 0;
}

TEST_F(MainWindowLooksTest, FeedbackLabelTurnsRedUnderThePointerAndBlueOnlyOverBareWindowOrFrame) {
  HWND form = StartCafeMode();
  ASSERT_TRUE(form);
  PointAtTwips(form, kBareTwips);
  EXPECT_TRUE(WaitFor([&] { return ShowsBlue(form); }, 2000));

  auto pointAtLabel = [&] {
    ProgramDriver::PointAt(form, (Px(kFeedbackLinkTwips.left) + Px(kFeedbackLinkTwips.right)) / 2,
                           (Px(kFeedbackLinkTwips.top) + Px(kFeedbackLinkTwips.bottom)) / 2);
    return WaitFor([&] { return ShowsRed(form); }, 2000);
  };
  ASSERT_TRUE(pointAtLabel());

  // The controls and the banner leave it red.
  for (int id : {IDC_NETWORK_NAME, IDC_WINDOWS7_OPTION, IDC_WINDOWSXP_OPTION, IDC_CAFE_OPTION, IDC_APPLY_BUTTON}) {
    HWND control = Child(form, id);
    RECT box;
    GetClientRect(control, &box);
    ProgramDriver::PointAt(control, box.right / 2, box.bottom / 2);
    Sleep(250);
    EXPECT_TRUE(ShowsRed(form)) << "pointer over control " << id;
  }
  PointAtTwips(form, kBannerTwips);
  Sleep(250);
  EXPECT_TRUE(ShowsRed(form)) << "pointer over the banner";

  PointAtTwips(form, kBareTwips);
  EXPECT_TRUE(WaitFor([&] { return ShowsBlue(form); }, 2000)) << "pointer over the bare window";
  ASSERT_TRUE(pointAtLabel());
  PointAtTwips(form, kFrameTwips);
  EXPECT_TRUE(WaitFor([&] { return ShowsBlue(form); }, 2000)) << "pointer over the frame";
  CloseWith(form);
}

// ----- The banner ------------------------------------------------------------------------

// The banner as the screen shows it at 96 dpi (JPEG stretched from 300x100 over its box),
// recorded under Wine from the program that decoded it before showing its window.
struct BannerSample {
  POINT twips;
  COLORREF color;
};
constexpr BannerSample kBannerSamples[] = {
    {{900, 225}, RGB(34, 106, 206)},    // the sky behind the title
    {{4200, 150}, RGB(75, 136, 219)},   // lighter towards the top right
    {{2250, 825}, RGB(28, 85, 174)},    // darker under the subtitle
    {{2085, 330}, RGB(255, 255, 255)},  // the upright of the title's "l"
};

TEST_F(MainWindowLooksTest, BannerIsOnTheFirstPaintAndStaysOnRepaints) {
  HWND form = StartCafeMode();
  ASSERT_TRUE(form);
  PointAtTwips(form, kBareTwips);
  RECT client;
  GetClientRect(form, &client);
  auto matches = [&](const char* when) {
    const ScreenShot shot = ScreenShot::OfClient(form, client);
    for (const BannerSample& sample : kBannerSamples) {
      const COLORREF seen = shot.At(Px(sample.twips.x), Px(sample.twips.y));
      EXPECT_LE(ColorDistance(seen, sample.color), 12)
          << when << ": at twips " << sample.twips.x << "," << sample.twips.y << " " << DescribeColor(seen);
    }
  };
  // Decoded when the window first paints, so there as soon as the window is.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_TRUE(WaitFor([&] { return ColorDistance(ScreenShot::OfClient(form, client).At(Px(900), Px(225)), face) > 40; },
                      3000));
  matches("first paint");
  // Later paints draw the same picture again, decoded once.
  RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(300);
  matches("repaint");
  CloseWith(form);
}

// ----- The feedback page ----------------------------------------------------------------

std::vector<std::wstring> RecordedLines(const std::wstring& file) {
  const std::string bytes = test::ReadBytes(file);
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = bytes.substr(start, end - start);
    std::wstring wide(line.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                                             wide.data(), static_cast<int>(wide.size()))));
    lines.push_back(wide);
  }
  return lines;
}

// The address a recorded browser start was given: its command line's last argument.
std::wstring OpenedAddress(const std::wstring& start) {
  const std::wstring commandLine = start.substr(start.find(L'\t') + 1);
  int count = 0;
  wchar_t** args = CommandLineToArgvW(commandLine.c_str(), &count);
  std::wstring last = args && count > 0 ? args[count - 1] : L"";
  LocalFree(args);
  return last;
}

TEST_F(MainWindowLooksTest, LabelAndBannerOpenTheFeedbackPageInTheBrowser) {
  const std::wstring recorder = test::ExecutableFolder() + L"\\wendral_e2e_link_recorder.exe";
  const std::wstring record = program.directory() + L"\\browser-starts.txt";
  // The prefix's web browser for both schemes is the recorder while this case runs.
  const std::wstring command = L"\"" + recorder + L"\" \"" + record + L"\" \"%1\"";
  ScopedRegistryText https(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", L"", command);
  ScopedRegistryText http(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", L"", command);
  ASSERT_TRUE(https.set() && http.set());

  HWND form = StartCafeMode();
  ASSERT_TRUE(form);
  // Only the label and the banner lead there: not the bare window, not the frame.
  PointAtTwips(form, kBareTwips);
  ProgramDriver::LeftButton(true);
  ProgramDriver::LeftButton(false);
  PointAtTwips(form, kFrameTwips);
  ProgramDriver::LeftButton(true);
  ProgramDriver::LeftButton(false);
  PointAtTwips(form, kBannerTwips);
  ProgramDriver::LeftButton(true);
  ProgramDriver::LeftButton(false);
  ASSERT_TRUE(WaitFor([&] { return RecordedLines(record).size() >= 1; }, 15000)) << "no browser started";
  ProgramDriver::PointAt(form, (Px(kFeedbackLinkTwips.left) + Px(kFeedbackLinkTwips.right)) / 2,
                         (Px(kFeedbackLinkTwips.top) + Px(kFeedbackLinkTwips.bottom)) / 2);
  ProgramDriver::LeftButton(true);
  ProgramDriver::LeftButton(false);
  EXPECT_TRUE(WaitFor([&] { return RecordedLines(record).size() >= 2; }, 15000));
  Sleep(1000);  // room for a start too many to arrive

  const std::vector<std::wstring> starts = RecordedLines(record);
  ASSERT_EQ(starts.size(), 2u);
  for (const std::wstring& start : starts) {
    EXPECT_EQ(OpenedAddress(start), L"https://wendral.example.org/feedback") << start;
    // Started by the desktop's shell as its user, not by the elevated program.
    const std::wstring starter = start.substr(0, start.find(L'\t'));
    EXPECT_NE(_wcsicmp(starter.c_str(), L"wendral.exe"), 0) << start;
  }
  EXPECT_TRUE(program.Running());
  CloseWith(form);
  DeleteFileW(record.c_str());
}

}  // namespace
}  // namespace wendral::e2e
