// The main window through real input: the keyboard focus comes back to the control that had
// it once a message box has gone, a refused apply leaves 360RI.INI as it was, a name code page
// 936 cannot hold never reaches it, and the credit frame's caption keeps its colour under
// the prefix's visual style.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e_fixture.h"
#include "support/screen_capture.h"

namespace wendral::e2e {
namespace {

TEST_F(WendralE2eTest, FocusComesBackToTheApplyButtonAndRefusedAppliesSaveNothing) {
  PutString(kClass001, L"0009", L"SSID", L"stick");
  const std::string stored = "[SSID]\r\nSSID=old\r\nSSIDITEMO=0000\r\nSSIDITEMT=0000\r\n";
  HWND form = StartLater(stored);
  ASSERT_TRUE(form);
  HWND button = Child(form, IDC_APPLY_BUTTON);

  ReplaceName(form, std::wstring(33, L'a'));
  ProgramDriver::Key(VK_TAB);
  ASSERT_EQ(program.Focus(), button);
  ProgramDriver::Key(VK_SPACE);
  EXPECT_NE(ConfirmBox().find(L"33个字节"), std::wstring::npos);
  EXPECT_TRUE(WaitFor([&] { return program.Focus() == button; }, 3000)) << program.Focus();
  EXPECT_EQ(program.SettingsBytes(), stored);

  // TAB goes on from the button: into the option group at its selection.
  ProgramDriver::Key(VK_TAB);
  EXPECT_EQ(program.Focus(), Child(form, IDC_CAFE_OPTION));
  ProgramDriver::Key(VK_TAB, false, false, true);
  ASSERT_EQ(program.Focus(), button);

  // A name with an emoji: refused, and neither the search's save nor closing stores it.
  ReplaceName(form, L"Wi\U0001F600Fi");
  ProgramDriver::ClickWindow(button);
  EXPECT_NE(ConfirmBox().find(L"无法使用的字符"), std::wstring::npos);
  EXPECT_TRUE(WaitFor([&] { return program.Focus() == button; }, 3000)) << program.Focus();
  EXPECT_EQ(program.SettingsBytes(), stored);
  ProgramDriver::ClickWindow(Child(form, IDC_WINDOWS7_OPTION));
  EXPECT_TRUE(WaitFor([&] { return program.SettingsBytes() == SettingsText(L"old", "0009", "0000"); }))
      << program.SettingsBytes();
  EXPECT_EQ(WindowText(Child(form, IDC_NETWORK_NAME)), L"Wi\U0001F600Fi");
  EXPECT_EQ(SsidCount(QueryClass(kClass001)), 1);
  CloseWith(form);
  EXPECT_EQ(program.SettingsBytes(), SettingsText(L"old", "0009", "0000"));
}

TEST_F(WendralE2eTest, CreditFrameCaptionIsDrawnInTheThreeDDarkShadowColour) {
  HWND form = StartLater(SettingsText(L"frame", "0000", "0000"));
  ASSERT_TRUE(form);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  // the mode frame's caption line: from the left edge, the first 16 points below the frame's top.
  const int top = MulDiv(3360, dpi, 1440);
  const RECT caption{0, top, MulDiv(4560, dpi, 1440), top + MulDiv(16, dpi, 72)};
  ProgramDriver::PointAt(form, 5, 5);  // keep the pointer off the label and the frame
  const ScreenShot shot = ScreenShot::OfClient(form, caption);
  // The colour as the program sees it: with a visual style active, uxtheme answers for the
  // system colours inside a program that uses it.
  const COLORREF shadow = program.SystemColor(COLOR_3DDKSHADOW);
  ASSERT_NE(shadow, CLR_INVALID);
  int inShadow = 0, darker = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const COLORREF c = shot.At(x, y);
      if (c == shadow) ++inShadow;
      // Darker than the caption colour: another text colour, or an unpainted inside.
      if (GetRValue(c) + 8 < GetRValue(shadow) && GetGValue(c) + 8 < GetGValue(shadow) &&
          GetBValue(c) + 8 < GetBValue(shadow)) {
        ++darker;
      }
    }
  }
  EXPECT_GT(inShadow, 20) << DescribeColor(shadow);
  EXPECT_EQ(darker, 0) << DescribeColor(shadow);
  CloseWith(form);
}

}  // namespace
}  // namespace wendral::e2e
