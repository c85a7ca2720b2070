// A form with three buttons on real windows: load, size in twips, caption as window text,
// mouse through SendInput with hover enter and leave, form activation, TAB order, space,
// Enter, access keys and arrow keys.
#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "win32/form_messages.h"
#include "win32/twips.h"
#include "win32/window_hooks.h"

namespace quillet::win32::test {
namespace {

using E = ButtonEvent;

class ButtonWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { form_ = std::make_unique<TestForm>(std::vector<std::u16string>{u"&Alpha", u"&Beta", u"&Gamma"}); }
  void TearDown() override {
    MoveMouseTo(POINT{900, 700});
    form_.reset();
  }
  void Clear() {
    for (auto& e : form_->events) e.clear();
    form_->commands.clear();
  }
  bool Focused(int i) { return PumpUntil([&] { return GetFocus() == form_->ButtonHandle(i); }); }
  std::unique_ptr<TestForm> form_;
};

TEST(Twips, FifteenPerPixelAt96DotsPerInchScaledByTheRealResolution) {
  EXPECT_EQ(TwipsToPixels(1500, 96), 100);
  EXPECT_EQ(TwipsToPixels(1500, 120), 125);
  EXPECT_EQ(PixelsToTwips(100, 96), 1500);
  EXPECT_EQ(PixelsToTwips(15, 144), 150);
  // Halves go to the even neighbour.
  EXPECT_EQ(TwipsToPixels(5, 144), 0);
  EXPECT_EQ(TwipsToPixels(15, 144), 2);
}

TEST_F(ButtonWindowTest, LoadsOntoAChildWindowOfItsOwnClass) {
  ButtonWindow* b = form_->Button(1);
  ASSERT_NE(b, nullptr);
  wchar_t text[64] = {};
  GetWindowTextW(b->Handle(), text, 64);
  EXPECT_STREQ(text, L"&Beta");
  EXPECT_EQ(GetParent(b->Handle()), form_->hwnd());
  EXPECT_EQ(GetDlgCtrlID(b->Handle()), kFirstId + 1);
  RECT r{};
  GetClientRect(b->Handle(), &r);
  const ScreenDpi dpi = CurrentScreenDpi();
  EXPECT_EQ(r.right, TwipsToPixels(1500, dpi.x));
  EXPECT_EQ(r.bottom, TwipsToPixels(450, dpi.y));
  EXPECT_EQ(b->Width(), PixelsToTwips(r.right, dpi.x));
  QuilletButton& c = form_->Control(1);
  EXPECT_EQ(c.ButtonStyle(), ButtonStyle::NavyFrame);
  EXPECT_EQ(c.BackColor(), 0x00E7EBEC);
  EXPECT_EQ(c.AccessKeys(), u"b");
  EXPECT_TRUE(c.TrackingAvailable());
  EXPECT_EQ(c.ParentWindow(), reinterpret_cast<WindowHandle>(form_->hwnd()));
  // Each of the three buttons hooks its own window and the form.
  EXPECT_EQ(HooksAlive(), 6u);
}

TEST_F(ButtonWindowTest, CaptionEnabledAndAmbientValuesReachWindowAndControl) {
  ButtonWindow* b = form_->Button(0);
  b->SetCaption(u"\u4e0b\u4e00\u6b65");
  wchar_t text[64] = {};
  GetWindowTextW(b->Handle(), text, 64);
  EXPECT_STREQ(text, L"\u4e0b\u4e00\u6b65");
  b->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(b->Handle()));
  // Enabling the window directly brings the property along.
  EnableWindow(b->Handle(), TRUE);
  EXPECT_TRUE(b->Enabled());
  EXPECT_FALSE(form_->Control(0).DisplayAsDefault());
  b->ChangeAmbient("DisplayAsDefault", true);
  EXPECT_TRUE(form_->Control(0).DisplayAsDefault());
  EXPECT_EQ(b->ContainerProperty("MDIChild"), PropertyValue{false});
  // A button given no name is numbered after the form's three.
  ButtonWindow* unnamed = CreateQuilletButton(form_->hwnd(), 1099, {}, {}, {});
  ASSERT_NE(unnamed, nullptr);
  EXPECT_EQ(unnamed->Ambient("DisplayName"), PropertyValue{std::u16string(u"QuilletButton4")});
  DestroyWindow(unnamed->Handle());
  EXPECT_THROW(b->ContainerProperty("Tag"), HostError);
  // A saved caption comes back out of the control as the form would store it.
  EXPECT_EQ(b->Save().Find("Caption"), PropertyValue{std::u16string(u"\u4e0b\u4e00\u6b65")});
}

TEST_F(ButtonWindowTest, WhatTheControlDrawsReachesTheScreen) {
  // A style without a renderer leaves the cleared background at the corners.
  ButtonWindow* b = form_->Button(0);
  b->DrawingSurface().SetBackColor(RGB(0, 200, 0));
  form_->Control(0).ButtonStyle(static_cast<ButtonStyle>(99));
  PumpFor(100);
  HDC dc = GetDC(b->Handle());
  EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 200, 0));
  EXPECT_EQ(GetPixel(dc, 97, 27), RGB(0, 200, 0));
  ReleaseDC(b->Handle(), dc);
  b->DrawingSurface().SetBackColor(RGB(200, 0, 0));
  form_->Control(0).Redraw();
  PumpFor(100);
  dc = GetDC(b->Handle());
  EXPECT_EQ(GetPixel(dc, 2, 2), RGB(200, 0, 0));
  ReleaseDC(b->Handle(), dc);
}

TEST_F(ButtonWindowTest, PointerEntersPressesClicksAndLeaves) {
  Clear();
  MoveMouseTo(form_->Centre(0));
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[0], E::MouseEnter) == 1; }));
  // The host's own move notification comes first, then the hooked one.
  EXPECT_EQ(form_->events[0][0], E::MouseMove);
  EXPECT_EQ(form_->Control(0).DrawState(), DrawState::Hot);

  MouseLeft(true);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[0], E::MouseDown) == 1; }));
  EXPECT_EQ(form_->Control(0).DrawState(), DrawState::Pressed);
  EXPECT_EQ(GetFocus(), form_->ButtonHandle(0));
  EXPECT_EQ(GetCapture(), form_->ButtonHandle(0));
  MouseLeft(false);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[0], E::MouseUp) == 1; }));
  EXPECT_EQ(Count(form_->events[0], E::Click), 1);
  EXPECT_EQ(form_->commands, std::vector<int>{kFirstId});
  EXPECT_EQ(GetCapture(), nullptr);

  // Straight onto the neighbour: one leaves, the other is entered.
  MoveMouseTo(form_->Centre(1));
  ASSERT_TRUE(PumpUntil([&] {
    return Count(form_->events[0], E::MouseLeave) >= 1 && Count(form_->events[1], E::MouseEnter) == 1;
  }));
  EXPECT_EQ(form_->Control(0).DrawState(), DrawState::Normal);
  EXPECT_FALSE(form_->Control(0).MouseOver());
  EXPECT_TRUE(form_->Control(1).MouseOver());
  EXPECT_EQ(Count(form_->events[1], E::Click), 0);
  EXPECT_EQ(Count(form_->events[2], E::MouseEnter), 0);
}

TEST_F(ButtonWindowTest, ReleaseOutsideTheButtonRaisesNoClick) {
  Clear();
  MoveMouseTo(form_->Centre(2));
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[2], E::MouseEnter) == 1; }));
  MouseLeft(true);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[2], E::MouseDown) == 1; }));
  MoveMouseTo(POINT{form_->Centre(2).x, form_->Centre(2).y + 60});
  PumpUntil([&] { return Count(form_->events[2], E::MouseLeave) >= 1; });
  MouseLeft(false);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[2], E::MouseUp) == 1; }));
  EXPECT_EQ(Count(form_->events[2], E::Click), 0);
  EXPECT_TRUE(form_->commands.empty());
}

TEST_F(ButtonWindowTest, FormActivationReachesEveryButton) {
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(form_->Control(i).ParentActive()) << i;
  SetActiveWindow(OtherWindow());
  ASSERT_TRUE(PumpUntil([&] { return !form_->Control(2).ParentActive(); }));
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(form_->Control(i).ParentActive()) << i;
    EXPECT_FALSE(form_->Control(i).HasFocus()) << i;
  }
  form_->Activate();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(form_->Control(i).ParentActive()) << i;
}

TEST_F(ButtonWindowTest, TabAndShiftTabMoveTheFocusSkippingDisabledButtons) {
  SetFocus(form_->ButtonHandle(0));
  Tap(VK_TAB);
  ASSERT_TRUE(Focused(1));
  EXPECT_TRUE(form_->Control(1).HasFocus());
  EXPECT_FALSE(form_->Control(0).HasFocus());
  Key(VK_SHIFT, true);
  Tap(VK_TAB);
  Key(VK_SHIFT, false);
  ASSERT_TRUE(Focused(0));
  form_->Button(1)->SetEnabled(false);
  Tap(VK_TAB);
  EXPECT_TRUE(Focused(2));
}

TEST_F(ButtonWindowTest, ArrowKeysMoveTheFocusToTheNextTabStop) {
  SetFocus(form_->ButtonHandle(1));
  Clear();
  Tap(VK_RIGHT);
  ASSERT_TRUE(Focused(2));
  EXPECT_EQ(Count(form_->events[1], E::KeyDown), 1);
  Tap(VK_UP);
  EXPECT_TRUE(Focused(1));
}

TEST_F(ButtonWindowTest, SpaceAndEnterClickTheFocusedButton) {
  SetFocus(form_->ButtonHandle(1));
  Clear();
  Key(VK_SPACE, true);
  ASSERT_TRUE(PumpUntil([&] { return form_->Control(1).SpaceDown(); }));
  EXPECT_EQ(form_->Control(1).DrawState(), DrawState::Pressed);
  EXPECT_EQ(Count(form_->events[1], E::Click), 0);
  Key(VK_SPACE, false);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[1], E::KeyUp) == 1; }));
  EXPECT_EQ(form_->events[1], (std::vector<E>{E::KeyDown, E::Click, E::KeyUp}));
  EXPECT_EQ(form_->commands, std::vector<int>{kFirstId + 1});

  Clear();
  Tap(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[1], E::KeyDown) == 1; }));
  EXPECT_EQ(form_->events[1], (std::vector<E>{E::Click, E::KeyDown}));
  EXPECT_EQ(form_->commands, std::vector<int>{kFirstId + 1});
}

TEST_F(ButtonWindowTest, AccessKeysClickTheirButtonWithAltOrFromAnotherButton) {
  SetFocus(form_->ButtonHandle(0));
  Clear();
  Key(VK_MENU, true);
  Tap('G');
  Key(VK_MENU, false);
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[2], E::Click) == 1; }));
  EXPECT_EQ(GetFocus(), form_->ButtonHandle(2));
  EXPECT_EQ(Count(form_->events[0], E::Click) + Count(form_->events[1], E::Click), 0);

  // A plain key, while a button has the focus.
  Tap('B');
  ASSERT_TRUE(PumpUntil([&] { return Count(form_->events[1], E::Click) == 1; }));
  EXPECT_EQ(GetFocus(), form_->ButtonHandle(1));

  // A dialog manager's press of the button.
  SendMessageW(form_->ButtonHandle(2), BM_CLICK, 0, 0);
  EXPECT_EQ(Count(form_->events[2], E::Click), 2);

  // A disabled button does not answer to its key.
  form_->Button(0)->SetEnabled(false);
  Tap('A');
  PumpFor(200);
  EXPECT_EQ(Count(form_->events[0], E::Click), 0);
  EXPECT_EQ(form_->commands, (std::vector<int>{kFirstId + 2, kFirstId + 1, kFirstId + 2}));
}

TEST(MessagePump, HandlesWhatIsPendingAndLeavesQuitForTheOuterLoop) {
  TestForm form({u"One"});
  int seen = 0;
  form.on_message = [&](UINT msg, WPARAM, LPARAM) { seen += msg == WM_APP + 3; };
  PostMessageW(form.hwnd(), WM_APP + 3, 0, 0);
  PostMessageW(form.hwnd(), WM_APP + 3, 0, 0);
  PostQuitMessage(7);
  PumpPendingMessages();
  EXPECT_EQ(seen, 2);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace quillet::win32::test
