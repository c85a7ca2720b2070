// probing the leave-notification service, hooking at run-time load, enter and
// leave through the hooked messages, form activation, several buttons on one form, and
// unhooking.
#include "button_fixture.h"

namespace quillet::testing {
namespace {

using Messages = std::vector<std::uint32_t>;

class HoverTest : public ButtonTest {};

TEST_F(HoverTest, ARunTimeLoadHooksTheButtonAndTheForm) {
  host.Load(ProgramFormSet());
  EXPECT_TRUE(button.TrackingAvailable());
  EXPECT_TRUE(button.TrackInUser32());
  EXPECT_EQ(host.JournalLines("GetModuleHandle"), Strings{"GetModuleHandle User32"});
  EXPECT_EQ(host.Count("LoadLibrary"), 0);
  EXPECT_EQ(host.Count("FreeLibrary"), 0);
  EXPECT_EQ(form.HookCount(host.Window()), 1u);
  EXPECT_EQ(form.HookCount(form.Window()), 1u);

  const auto& entries = button.Hooks().Entries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].window, host.Window());
  EXPECT_EQ(entries[0].lists->afterCount, 2);
  EXPECT_EQ(entries[0].lists->afterMessages, (Messages{kWmMouseMove, kWmMouseLeave}));
  EXPECT_EQ(entries[0].lists->beforeCount, 0);
  EXPECT_EQ(entries[1].window, form.Window());
  EXPECT_EQ(entries[1].lists->afterMessages, (Messages{kWmActivate, kWmSysColorChange, kWmSettingChange}));
  EXPECT_EQ(entries[1].lists->beforeCount, 0);
}

TEST_F(HoverTest, AnMdiChildFormIsWatchedThroughNcActivate) {
  HeadlessForm mdi(true);
  HeadlessHost h(mdi);
  QuilletButton& b = h.Create();
  h.Load(ProgramFormSet());
  EXPECT_EQ(b.Hooks().Entries()[1].lists->afterMessages, (Messages{kWmNcActivate, kWmSysColorChange, kWmSettingChange}));
  mdi.Activate();
  EXPECT_TRUE(b.ParentActive());
  EXPECT_EQ(h.RedrawCount(), 2);  // the load's resize, then one for the activation
}

TEST_F(HoverTest, AFailureAskingForMdiChildIsIgnored) {
  host.failing_services.insert("ContainerProperty");
  EXPECT_NO_THROW(host.Load(ProgramFormSet()));
  EXPECT_EQ(button.Hooks().Entries()[1].lists->afterMessages, (Messages{kWmActivate, kWmSysColorChange, kWmSettingChange}));
}

TEST_F(HoverTest, Comctl32IsProbedLoadedAndFreedWhenUser32LacksTheService) {
  host.exports["user32"].clear();
  host.Load(ProgramFormSet());
  EXPECT_TRUE(button.TrackingAvailable());
  EXPECT_FALSE(button.TrackInUser32());
  Strings probe;
  for (const std::string& line : host.journal) {
    if (line.rfind("GetModuleHandle", 0) == 0 || line.rfind("LoadLibrary", 0) == 0 ||
        line.rfind("GetProcAddress", 0) == 0 || line.rfind("FreeLibrary", 0) == 0)
      probe.push_back(line);
  }
  EXPECT_EQ(probe, (Strings{"GetModuleHandle User32", "GetProcAddress TrackMouseEvent", "GetModuleHandle Comctl32",
                            "LoadLibrary Comctl32", "GetProcAddress _TrackMouseEvent", "FreeLibrary comctl32"}));
  host.ClearRecords();
  host.MovePointerTo(5, 5);
  ASSERT_FALSE(host.track_requests.empty());
  EXPECT_EQ(host.track_requests[0].first, TrackService::Comctl32);
  EXPECT_TRUE(button.MouseOver());
}

TEST_F(HoverTest, TheFirstMoveRaisesMouseMoveThenMouseEnter) {
  LoadAtRunTime();
  host.MovePointerTo(5, 5);
  EXPECT_EQ(Events(), (Strings{"MouseMove", "MouseEnter"}));
  EXPECT_EQ(button.DrawState(), DrawState::Hot);
  ASSERT_FALSE(host.track_requests.empty());
  EXPECT_EQ(host.track_requests[0].first, TrackService::User32);
  EXPECT_EQ(host.track_requests[0].second, (TrackMouseEventRequest{16, 2, host.Window(), 0}));
  host.ClearRecords();
  host.MovePointerTo(6, 5);
  EXPECT_EQ(Events(), (Strings{"MouseMove"}));  // already over: the hook does nothing
}

// Without the leave notification only the move handler sees the pointer go: while the button
// holds the capture, every move outside raises MouseLeave first, then the move itself.
TEST_F(HoverTest, WithoutTheServiceAMoveOutsideUnderCaptureRaisesMouseLeaveBeforeMouseMove) {
  host.exports["user32"].clear();
  host.exports["comctl32"].clear();
  LoadAtRunTime();
  ASSERT_FALSE(button.TrackingAvailable());
  host.MovePointerTo(50, 15);
  host.PressButton();
  ASSERT_EQ(host.GetCapture(), host.Window());
  host.ClearRecords();
  host.MovePointerAway();
  host.MovePointerAway();
  EXPECT_EQ(Events(), (Strings{"MouseLeave", "MouseMove", "MouseLeave", "MouseMove"}));
  EXPECT_FALSE(button.MouseOver());
  EXPECT_EQ(host.RedrawCount(), 0);  // leaving this way does not redraw
  host.ClearRecords();
  host.ReleaseButton();
  EXPECT_EQ(Events(), (Strings{"MouseUp"}));  // released outside: no Click
}

TEST_F(HoverTest, LeavingADisabledButtonKeepsTheLookButRedrawsAndRaisesMouseLeave) {
  LoadAtRunTime();
  host.MovePointerTo(5, 5);
  button.Enabled(false);
  host.ClearRecords();
  host.MovePointerAway();
  EXPECT_EQ(button.DrawState(), DrawState::Hot);
  EXPECT_EQ(Trace(), (Strings{"Cls", "Event MouseLeave"}));
}

TEST_F(HoverTest, DeactivatingTheFormClearsTheHold) {
  LoadAtRunTime();
  form.Activate();
  host.MovePointerTo(5, 5);
  host.PressButton();
  host.KeyDown(kVkSpace);
  button.HandleKeyDown(kVkSpace, 0);
  host.ClearRecords();
  form.Deactivate();
  EXPECT_FALSE(button.LeftButtonDown());
  EXPECT_FALSE(button.SpaceDown());
  EXPECT_FALSE(button.HasFocus());
  EXPECT_FALSE(button.ParentActive());
  EXPECT_EQ(button.DrawState(), DrawState::Normal);
  EXPECT_EQ(Trace(), (Strings{"Cls"}));
}

TEST_F(HoverTest, ActivatingTheFormOfADefaultButtonRedrawsTwice) {
  LoadAtRunTime();
  EXPECT_FALSE(button.ParentActive());  // until the first activation
  form.Activate();
  EXPECT_TRUE(button.ParentActive());
  EXPECT_EQ(host.RedrawCount(), 1);
  host.ChangeAmbient("DisplayAsDefault", true);
  host.ClearRecords();
  form.Activate();
  EXPECT_EQ(host.RedrawCount(), 2);
}

// Destroying either button first leaves the other one's hook on the form working.
void DestroyOneThenActivate(bool first_goes_first) {
  HeadlessForm form;
  HeadlessHost a(form, HeadlessPlacement{20, 20});
  HeadlessHost b(form, HeadlessPlacement{200, 20});
  HeadlessHost c(form, HeadlessPlacement{400, 20});
  for (HeadlessHost* h : {&a, &b, &c}) {
    h->Create();
    h->Load(ProgramFormSet());
  }
  HeadlessHost& gone = first_goes_first ? a : b;
  HeadlessHost& kept = first_goes_first ? b : a;
  gone.Destroy();
  EXPECT_EQ(form.HookCount(form.Window()), 2u);
  form.Activate();
  EXPECT_TRUE(kept.Control().ParentActive());
  EXPECT_TRUE(c.Control().ParentActive());
  c.Destroy();
  form.Deactivate();
  EXPECT_FALSE(kept.Control().ParentActive());
  kept.Destroy();
  EXPECT_EQ(form.HookCount(form.Window()), 0u);
  form.Activate();  // reaches nobody, harms nobody
}

TEST(HoverChainTest, DestroyingTheFirstHookedButtonFirst) { DestroyOneThenActivate(true); }
TEST(HoverChainTest, DestroyingTheLastHookedButtonFirst) { DestroyOneThenActivate(false); }

TEST_F(HoverTest, DestroyUnhooksTheFormThenTheButtonThenTheRest) {
  LoadAtRunTime();
  button.HandleDestroy();
  char form_line[64], own_line[64];
  std::snprintf(form_line, sizeof form_line, "UnhookWindow %#llx", static_cast<unsigned long long>(form.Window()));
  std::snprintf(own_line, sizeof own_line, "UnhookWindow %#llx", static_cast<unsigned long long>(host.Window()));
  EXPECT_EQ(host.JournalLines("UnhookWindow"), (Strings{form_line, own_line}));
  EXPECT_EQ(button.Hooks().HookedCount(), 0u);
  EXPECT_EQ(form.HookCount(form.Window()), 0u);
  EXPECT_EQ(form.HookCount(host.Window()), 0u);
  // After HandleDestroy no hooked message reaches the control.
  host.ClearRecords();
  form.Activate();
  host.MovePointerTo(5, 5);
  EXPECT_FALSE(button.ParentActive());
  EXPECT_FALSE(button.MouseOver());
  EXPECT_EQ(Events(), (Strings{"MouseMove"}));  // the host's own handling only
}

TEST_F(HoverTest, DestroyingAButtonWhileAFormMessagePassesItsHookIsSafe) {
  // A hook at the bottom of the form's chain destroys button `b` while the activation
  // message is still inside b's hook procedure (between its two halves).
  class Destroyer : public WindowHook {
   public:
    explicit Destroyer(HeadlessHost*& victim) : victim_(victim) {}
    bool Before(WindowHandle, std::uint32_t m, WParam, LParam, MessageResult&) override {
      if (victim_ && (m == kWmActivate)) {
        HeadlessHost* v = victim_;
        victim_ = nullptr;
        v->Destroy();
      }
      return false;
    }
    void After(WindowHandle, std::uint32_t, WParam, LParam, MessageResult&, bool) override {}

   private:
    HeadlessHost*& victim_;
  };
  HeadlessHost* victim = nullptr;
  form.InstallHook(form.Window(), std::make_shared<Destroyer>(victim));
  LoadAtRunTime();
  HeadlessHost second(form, HeadlessPlacement{200, 20});
  second.Create();
  second.Load(ProgramFormSet());
  victim = &second;
  form.Activate();
  EXPECT_FALSE(second.HasControl());
  EXPECT_TRUE(button.ParentActive());
  EXPECT_EQ(form.HookCount(form.Window()), 2u);  // the destroyer and the first button
  form.Deactivate();
  EXPECT_FALSE(button.ParentActive());
}

}  // namespace
}  // namespace quillet::testing
