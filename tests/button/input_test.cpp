// input, focus and interaction state, driven as window messages through the
// headless host with hover tracking on (a run-time load), so hooks and host handling mix
// as they do on Windows.
#include <algorithm>
#include <functional>

#include "button_fixture.h"

namespace quillet::testing {
namespace {

class InputTest : public ButtonTest {
 protected:
  void SetUp() override { LoadAtRunTime(); }
  void Hover() {
    host.MovePointerTo(50, 15);
    host.ClearRecords();
  }
};

TEST_F(InputTest, ATypicalLeftClick) {
  host.MovePointerTo(50, 15);
  EXPECT_EQ(Trace(), (Strings{"Event MouseMove", "Cls", "Event MouseEnter"}));
  EXPECT_TRUE(button.MouseOver());
  EXPECT_EQ(button.DrawState(), DrawState::Hot);

  host.ClearRecords();
  host.PressButton();
  EXPECT_EQ(Trace(), (Strings{"Cls", "Cls", "Event MouseDown"}));  // the focus look, the pressed one
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  EXPECT_TRUE(button.HasFocus());
  EXPECT_TRUE(button.LeftButtonDown());
  EXPECT_EQ(button.LastMouseDown(), (MouseDownRecord{1, 0, 50, 15}));

  host.ClearRecords();
  host.ReleaseButton();
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event Click", "Event MouseUp"}));
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);  // the release does not change the look
  EXPECT_FALSE(button.LeftButtonDown());

  host.ClearRecords();
  host.MovePointerTo(51, 15);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event MouseMove"}));
  EXPECT_EQ(button.DrawState(), DrawState::Hot);

  host.ClearRecords();
  host.MovePointerAway();
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event MouseLeave"}));
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_FALSE(button.MouseOver());
}

TEST_F(InputTest, ADoubleClickRaisesClickForEachRelease) {
  Hover();
  host.DoubleClick();
  EXPECT_EQ(Events(), (Strings{"MouseDown", "Click", "MouseUp", "MouseDown", "DblClick", "Click", "MouseUp"}));
  EXPECT_EQ(Trace(), (Strings{"Cls", "Cls", "Event MouseDown", "Cls", "Event Click", "Event MouseUp", "Cls", "Cls",
                              "Event MouseDown", "Event DblClick", "Cls", "Event Click", "Event MouseUp"}));
  EXPECT_EQ(host.Count("SetCapture"), 2);  // the press, then the double click
}

TEST_F(InputTest, ARightPressRaisesOnlyMouseUpAndChangesNoFlag) {
  Hover();
  host.PressButton(kRightButton);
  EXPECT_TRUE(host.events.empty());
  EXPECT_FALSE(button.LeftButtonDown());
  EXPECT_FALSE(button.HasFocus());
  EXPECT_EQ(button.LastMouseDown().button, kRightButton);
  host.ReleaseButton(kRightButton);
  EXPECT_EQ(Events(), (Strings{"MouseUp"}));
  EXPECT_EQ(button.DrawState(), DrawState::Hot);
}

TEST_F(InputTest, OnlyAPressThatBeganHereAndEndsInsideClicks) {
  const float edges[][2] = {{0, 15}, {50, 0}, {100, 15}, {50, 30}, {-1, 15}};
  for (const auto& e : edges) {
    button.HandleMouseDown(kLeftButton, 0, 50, 15);
    host.ClearRecords();
    button.HandleMouseUp(kLeftButton, 0, e[0], e[1]);
    EXPECT_EQ(Events(), (Strings{"MouseUp"})) << e[0] << "," << e[1];
  }
  // No press: a drag from elsewhere, or a double click's second release after the first
  // closed a window above the button.
  host.ClearRecords();
  button.HandleMouseUp(kLeftButton, 0, 0.5f, 29.5f);
  EXPECT_EQ(Events(), (Strings{"MouseUp"}));
  button.HandleMouseDown(kLeftButton, 0, 50, 15);
  host.ClearRecords();
  button.HandleMouseUp(kLeftButton, 0, 0.5f, 29.5f);
  EXPECT_EQ(Events(), (Strings{"Click", "MouseUp"}));
}

// A press, by the mouse or by Space, that something else ends: no click at its release.
TEST_F(InputTest, APressCancelledByTheSystemEndsWithoutAClick) {
  HeadlessHost other(form, HeadlessPlacement{200, 20});
  other.Create().HandleLoad(ProgramFormSet());
  const struct {
    const char* what;
    std::function<void()> cancel;
  } cancels[] = {
      {"another window takes the capture", [&] { form.SetCapture(other.Window()); }},
      {"WM_CANCELMODE", [&] { form.Send(host.Window(), kWmCancelMode, 0, 0); }},
      {"the focus goes", [&] { other.Focus(); }},
  };
  for (const auto& c : cancels) {
    for (const bool space : {false, true}) {
      Hover();
      host.Focus();
      space ? host.KeyDown(kVkSpace) : host.PressButton();
      c.cancel();
      EXPECT_FALSE(button.LeftButtonDown() || button.SpaceDown()) << c.what;
      EXPECT_NE(button.DrawState(), DrawState::Pressed) << c.what;
      host.ClearRecords();
      space ? host.KeyUp(kVkSpace) : host.ReleaseButton();
      const Strings events = Events();
      EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0) << c.what << (space ? " space" : "");
      form.ReleaseCapture();
    }
  }
}

// What the system's button leaves to the default handling: WM_CONTEXTMENU and the system
// menu come from there.
TEST_F(InputTest, KeyAndRightButtonReleasesGoOnToTheDefaultHandling) {
  Hover();
  host.Click(kRightButton);
  host.KeyDown(65);
  host.KeyUp(65);
  host.Click(kLeftButton);
  EXPECT_EQ(host.passed_on, (std::vector<std::uint32_t>{kWmRButtonUp, kWmKeyDown, kWmKeyUp}));
}

TEST_F(InputTest, CheckModeTogglesValueOnEachMouseRelease) {
  button.CheckBoxMode(true);
  Hover();
  host.Click();
  EXPECT_TRUE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  host.Click();
  EXPECT_FALSE(button.Value());
  EXPECT_EQ(Events(), (Strings{"MouseDown", "Click", "MouseUp", "MouseDown", "Click", "MouseUp"}));
}

TEST_F(InputTest, SpaceWithThePointerAwayPressesThenClicksToNormal) {
  host.Focus();
  host.ClearRecords();
  host.KeyDown(kVkSpace);
  EXPECT_TRUE(button.SpaceDown());
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event KeyDown"}));
  EXPECT_EQ(host.JournalLines("ReleaseCapture").size(), 1u);
  EXPECT_EQ(host.GetCapture(), host.Window());

  host.ClearRecords();
  host.KeyUp(kVkSpace);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event Click", "Event KeyUp"}));
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_FALSE(button.SpaceDown());
  EXPECT_EQ(host.GetCapture(), 0u);  // the program's next click is its own
}

TEST_F(InputTest, SpaceDownWhilePressedDoesNotRedrawAgain) {
  Hover();
  host.PressButton();
  host.ClearRecords();
  host.KeyDown(kVkSpace);
  EXPECT_FALSE(button.SpaceDown());  // the mouse holds the button
  EXPECT_EQ(Trace(), (Strings{"Event KeyDown"}));
  EXPECT_EQ(host.Count("SetCapture"), 0);  // it holds the capture already
  host.ClearRecords();
  host.KeyUp(kVkSpace);  // its press was not the button's: the mouse press goes on
  EXPECT_TRUE(host.journal.empty());
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  EXPECT_TRUE(button.LeftButtonDown());
}

TEST_F(InputTest, SpaceInCheckModeTogglesOnKeyDownAndClicksOnKeyUp) {
  button.CheckBoxMode(true);
  host.ClearRecords();
  host.KeyDown(kVkSpace);
  EXPECT_TRUE(button.Value());
  EXPECT_EQ(Trace(), (Strings{"Event KeyDown"}));  // no redraw on key down
  host.ClearRecords();
  host.KeyUp(kVkSpace);
  EXPECT_EQ(Events(), (Strings{"Click", "KeyUp"}));
  EXPECT_TRUE(button.Value());
}

TEST_F(InputTest, KeysOtherThanSpace) {
  host.KeyDown(kVkSpace, kAltMask);  // Alt+Space: nothing at all
  EXPECT_TRUE(host.journal.empty());
  host.KeyDown(kVkReturn);
  host.KeyDown(65);
  host.KeyUp(65);  // only space has a key-up
  EXPECT_EQ(Events(), (Strings{"Click", "KeyDown", "KeyDown"}));
  host.ClearRecords();
  host.KeyUp(kVkSpace);  // a release whose press went elsewhere
  host.KeyDown(kVkReturn, 0, true);  // a held Enter clicks once
  EXPECT_EQ(Events(), (Strings{"KeyDown"}));
}

TEST_F(InputTest, ArrowKeysMoveTheFocusAndStillRaiseKeyDown) {
  HeadlessHost second(form, HeadlessPlacement{200, 20});
  second.Create().HandleLoad(ProgramFormSet());
  HeadlessHost third(form, HeadlessPlacement{400, 20});
  third.Create().HandleLoad(ProgramFormSet());

  second.Focus();
  second.ClearRecords();
  second.KeyDown(kVkRight);
  EXPECT_EQ(second.JournalLines("MoveFocus"), Strings{"MoveFocus next"});
  EXPECT_EQ(second.EventNames(), (Strings{"KeyDown"}));
  EXPECT_EQ(form.Focus(), third.Window());  // at once: no keystroke left in the input
  EXPECT_FALSE(second.Control().HasFocus());
  EXPECT_TRUE(third.Control().HasFocus());

  second.Focus();
  second.ClearRecords();
  second.KeyDown(kVkUp);
  EXPECT_EQ(second.JournalLines("MoveFocus"), Strings{"MoveFocus previous"});
  EXPECT_EQ(form.Focus(), host.Window());
  EXPECT_TRUE(button.HasFocus());

  host.ClearRecords();
  host.KeyDown(kVkLeft);
  host.KeyDown(kVkDown, kShiftMask);  // Shift does not turn an arrow round
  host.KeyDown(kVkDown, kCtrlMask);   // Ctrl and Alt combinations are the program's
  host.KeyDown(kVkRight, kAltMask);
  EXPECT_EQ(host.JournalLines("MoveFocus"), (Strings{"MoveFocus previous", "MoveFocus next"}));
  EXPECT_EQ(form.Focus(), host.Window());  // round to the last button and back
}

TEST_F(InputTest, TheAccessKeyPumpsMessagesThenClicks) {
  form.Post(host.Window(), kWmPaint, 0, 0);
  host.AccessKey(u'o');
  EXPECT_EQ(host.do_events_count, 1);
  Strings order;
  for (const std::string& line : host.journal) {
    if (line == "DoEvents" || line == "Cls" || line == "Event Click") order.push_back(line);
  }
  EXPECT_EQ(order, (Strings{"DoEvents", "Cls", "Event Click"}));  // the pending paint ran first
}

TEST_F(InputTest, TheAccessKeyInCheckModeTogglesButIgnoresEnterAndEsc) {
  button.CheckBoxMode(true);
  host.ClearRecords();
  host.AccessKey(kVkReturn);
  host.AccessKey(kVkEscape);
  EXPECT_TRUE(host.journal.empty());
  EXPECT_FALSE(button.Value());

  host.AccessKey(u'o');
  EXPECT_TRUE(button.Value());
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event Click"}));
  host.ClearRecords();
  button.HandleFocusGained();  // leaves the look
  host.ClearRecords();
  host.AccessKey(u'o');
  EXPECT_FALSE(button.Value());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event Click"}));
  button.CheckBoxMode(false);
  host.KeyDown(kVkSpace);
  host.ClearRecords();
  host.AccessKey(kVkEscape);  // outside check mode any key clicks, and ends a held space
  EXPECT_FALSE(button.SpaceDown());
  EXPECT_EQ(Trace(), (Strings{"Event Click"}));
  button.Enabled(false);
  host.ClearRecords();
  host.AccessKey(u'o');
  EXPECT_TRUE(host.journal.empty());
}

TEST_F(InputTest, FocusGainedDrawsTheFocusLookAtOnce) {
  host.Focus();
  EXPECT_TRUE(button.HasFocus());
  EXPECT_EQ(host.RedrawCount(), 1);
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
}

TEST_F(InputTest, FocusLossClearsTheHoldAndRedraws) {
  HeadlessHost other(form, HeadlessPlacement{200, 20});
  other.Create().HandleLoad(ProgramFormSet());
  Hover();
  host.PressButton();
  host.KeyDown(kVkSpace);
  host.ClearRecords();
  other.Focus();
  EXPECT_FALSE(button.HasFocus());
  EXPECT_FALSE(button.LeftButtonDown());
  EXPECT_FALSE(button.SpaceDown());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);  // the form was never activated
  EXPECT_EQ(host.RedrawCount(), 1);
}

TEST_F(InputTest, FocusLossOverAnActiveFormLooksHotAndDefaultButtonsRedrawTwice) {
  form.Activate();
  host.ChangeAmbient("DisplayAsDefault", true);
  Hover();
  host.Focus();
  host.ClearRecords();
  button.HandleFocusLost();
  EXPECT_EQ(button.DrawState(), DrawState::Hot);
  EXPECT_EQ(host.RedrawCount(), 2);
}

TEST_F(InputTest, AmbientChangesCopyDisplayAsDefaultAndRedrawForTwoNames) {
  host.ChangeAmbient("DisplayAsDefault", true);
  EXPECT_TRUE(button.DisplayAsDefault());
  EXPECT_EQ(host.RedrawCount(), 1);
  host.ChangeAmbient("BackColor", std::int32_t{0x00FFFFFF});
  EXPECT_EQ(host.RedrawCount(), 2);
  host.SetAmbient("DisplayAsDefault", false);
  host.ChangeAmbient("Font", host.AmbientFontObject());
  EXPECT_FALSE(button.DisplayAsDefault());
  EXPECT_EQ(host.RedrawCount(), 2);
  host.ChangeAmbient("displayasdefault", true);  // not exactly the name: no redraw
  EXPECT_EQ(host.RedrawCount(), 2);
  HeadlessHost other(form, HeadlessPlacement{200, 20});  // not read at load
  other.SetAmbient("DisplayAsDefault", true);
  other.Create();
  other.Load(ProgramFormSet());
  EXPECT_FALSE(other.Control().DisplayAsDefault());
}

TEST_F(InputTest, LeavingWhileSpaceIsHeldKeepsThePressedLookQuietly) {
  Hover();
  host.KeyDown(kVkSpace);
  host.ClearRecords();
  form.Send(host.Window(), kWmMouseLeave, 0, 0);  // only the leave notification
  EXPECT_FALSE(button.MouseOver());
  EXPECT_TRUE(host.journal.empty());  // no redraw, no MouseLeave
  EXPECT_EQ(button.DrawState(), DrawState::Pressed);
  host.KeyUp(kVkSpace);
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_EQ(Events(), (Strings{"Click", "KeyUp"}));
}

TEST_F(InputTest, TheHandPointerIsSetOnPressReleaseAndHover) {
  PersistedPropertySet set = ProgramFormSet();
  set.Put("HandPointer", true);
  HeadlessHost other(form, HeadlessPlacement{200, 20});
  other.Create();
  other.Load(set);
  other.MovePointerTo(10, 10);
  other.MovePointerTo(11, 10);
  other.Click();
  EXPECT_GE(other.cursors_set.size(), 3u);
  for (CursorHandle c : other.cursors_set) EXPECT_EQ(c, other.Control().HandCursor());
}

TEST_F(InputTest, WithoutTheLeaveServiceThereIsNoHotLookButClicksWork) {
  HeadlessHost plain(form, HeadlessPlacement{200, 20});
  plain.exports["user32"].clear();
  plain.exports["comctl32"].clear();
  QuilletButton& b = plain.Create();
  plain.Load(ProgramFormSet());
  EXPECT_FALSE(b.TrackingAvailable());
  EXPECT_EQ(form.HookCount(plain.Window()), 0u);
  plain.ClearRecords();
  plain.MovePointerTo(10, 10);
  EXPECT_FALSE(b.MouseOver());
  EXPECT_EQ(b.DrawState(), DrawState::Normal);
  EXPECT_TRUE(plain.track_requests.empty());
  plain.Click();
  EXPECT_EQ(b.DrawState(), DrawState::Normal);
  EXPECT_EQ(plain.EventNames(), (Strings{"MouseMove", "MouseDown", "Click", "MouseUp"}));
}

}  // namespace
}  // namespace quillet::testing
