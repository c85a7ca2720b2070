// the HookTable and the hook procedure's order, on a plain window of the
// headless form, with a recording target in place of the control.
#include "button_fixture.h"

namespace quillet::testing {
namespace {

class RecordingTarget : public SubclassTarget {
 public:
  void OnHookedMessage(bool before, bool& handled, MessageResult& result, WindowHandle&, std::uint32_t& msg,
                      WParam&, LParam&) override {
    log.push_back(std::string(before ? "before " : "after ") + std::to_string(msg) +
                  (handled ? " handled " : " ") + std::to_string(result));
    if (before && msg == handle_message) {
      handled = true;
      result = 7;
    }
  }
  std::vector<std::string>& log;
  std::uint32_t handle_message = 0;
  explicit RecordingTarget(std::vector<std::string>& l) : log(l) {}
};

class HookTableTest : public ::testing::Test {
 protected:
  HeadlessForm form;
  HeadlessHost host{form};
  Strings log;
  RecordingTarget target{log};
  HookTable table{host, target};
  WindowHandle window = form.CreateChildWindow(Rect{500, 500, 600, 600}, [this](WindowHandle, std::uint32_t m, WParam, LParam) {
    log.push_back("window " + std::to_string(m));
    return MessageResult{42};
  });
};

TEST_F(HookTableTest, BeforeListThenPreviousProcedureThenAfterList) {
  EXPECT_EQ(table.HookWindow(window), 0u);
  table.AddHookedMessage(window, 0x400, kHookBefore | kHookAfter);
  EXPECT_EQ(form.Send(window, 0x400, 0, 0), 42);
  EXPECT_EQ(log, (Strings{"before 1024 0", "window 1024", "after 1024 42"}));
}

TEST_F(HookTableTest, AMessageHandledBeforeSkipsThePreviousProcedure) {
  table.HookWindow(window);
  table.AddHookedMessage(window, 0x401, kHookBefore | kHookAfter);
  target.handle_message = 0x401;
  EXPECT_EQ(form.Send(window, 0x401, 0, 0), 7);
  EXPECT_EQ(log, (Strings{"before 1025 0", "after 1025 handled 7"}));
}

TEST_F(HookTableTest, MinusOneHooksEveryMessage) {
  table.HookWindow(window);
  table.AddHookedMessage(window, kAllMessages, kHookBefore);
  EXPECT_EQ(table.Entries()[0].lists->beforeCount, -1);
  EXPECT_EQ(table.Entries()[0].lists->afterCount, 0);
  form.Send(window, 0x1234, 0, 0);
  EXPECT_EQ(log, (Strings{"before 4660 0", "window 4660"}));
}

TEST_F(HookTableTest, AMessageAlreadyListedIsLeftAlone) {
  table.HookWindow(window);
  table.AddHookedMessage(window, 0x200, kHookAfter);
  table.AddHookedMessage(window, 0x200, kHookAfter);
  table.AddHookedMessage(window, 0x2A3, kHookAfter);
  EXPECT_EQ(table.Entries()[0].lists->afterCount, 2);
  EXPECT_EQ(table.Entries()[0].lists->afterMessages, (std::vector<std::uint32_t>{0x200, 0x2A3}));
}

TEST_F(HookTableTest, HookWindowTakesTheLastFreeEntry) {
  const WindowHandle other = form.CreateChildWindow(Rect{700, 700, 710, 710}, {});
  EXPECT_EQ(table.HookWindow(window), 0u);
  EXPECT_EQ(table.HookWindow(other), 1u);
  table.UnhookWindow(window);
  EXPECT_EQ(table.HookWindow(window), 0u);  // the only free one
  table.UnhookAll();
  EXPECT_EQ(table.HookWindow(window), 1u);  // walking from the last entry
  EXPECT_EQ(table.Entries().size(), 2u);
}

TEST_F(HookTableTest, UnknownWindowsFail) {
  EXPECT_THROW(table.AddHookedMessage(window, 0x400, kHookAfter), HookError);
  EXPECT_THROW(table.UnhookWindow(window), HookError);
  EXPECT_THROW(table.UnhookWindow(0), HookError);
}

TEST_F(HookTableTest, UnhookRestoresThePreviousProcedureAndSilencesTheHook) {
  table.HookWindow(window);
  table.AddHookedMessage(window, 0x400, kHookBefore | kHookAfter);
  const auto lists = table.Entries()[0].lists;
  const auto hook = table.Entries()[0].hook;
  table.UnhookWindow(window);
  EXPECT_EQ(lists->afterCount, 0);
  EXPECT_EQ(lists->beforeCount, 0);
  EXPECT_TRUE(hook->Freed());
  EXPECT_EQ(table.Entries()[0].window, 0u);
  EXPECT_EQ(form.HookCount(window), 0u);
  form.Send(window, 0x400, 0, 0);
  EXPECT_EQ(log, (Strings{"window 1024"}));
}

TEST_F(HookTableTest, UnhookAllWalksFromTheLastEntry) {
  const WindowHandle other = form.CreateChildWindow(Rect{700, 700, 710, 710}, {});
  table.HookWindow(window);
  table.HookWindow(other);
  host.ClearRecords();
  table.UnhookAll();
  char first[64], second[64];
  std::snprintf(first, sizeof first, "UnhookWindow %#llx", static_cast<unsigned long long>(other));
  std::snprintf(second, sizeof second, "UnhookWindow %#llx", static_cast<unsigned long long>(window));
  EXPECT_EQ(host.JournalLines("UnhookWindow"), (Strings{first, second}));
  EXPECT_EQ(table.HookedCount(), 0u);
}

}  // namespace
}  // namespace quillet::testing
