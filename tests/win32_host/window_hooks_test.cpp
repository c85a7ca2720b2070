// Subclass chains built from window_hooks on a plain window: every message passes each
// live hook once, top down, then the window's own procedure; hooks come off in any order,
// also under a foreign subclass and while a message is inside them.
#include "win32/window_hooks.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillet::win32 {
namespace {

constexpr UINT kProbe = WM_APP + 7;

std::vector<std::string>* trail = nullptr;

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kProbe) {
    trail->push_back("window");
    return 42;
  }
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

WNDPROC foreign_previous = nullptr;
LRESULT CALLBACK ForeignProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == kProbe) trail->push_back("foreign");
  return CallWindowProcW(foreign_previous, hwnd, msg, wparam, lparam);
}

class RecordingHook : public WindowHook {
 public:
  explicit RecordingHook(std::string name) : name_(std::move(name)) {}
  MessageResult Process(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam) override {
    if (msg == kProbe) trail->push_back(name_);
    if (msg == kProbe && on_probe) on_probe();
    return CallBelow(token, reinterpret_cast<HWND>(hwnd), msg, wparam, lparam);
  }
  PreviousProcedure token = 0;
  std::function<void()> on_probe;

 private:
  std::string name_;
};

class WindowHooksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    trail = &seen_;
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookTestPlain";
    RegisterClassW(&wc);
    window_ = CreateWindowW(L"HookTestPlain", L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window_);
    baselineSlots_ = SlotsInUse();
  }
  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);
    trail = nullptr;
  }

  std::shared_ptr<RecordingHook> Hook(const std::string& name) {
    auto hook = std::make_shared<RecordingHook>(name);
    hook->token = InstallHook(window_, hook);
    return hook;
  }

  // The procedures a probe passes, and what it answers.
  std::vector<std::string> Probe() {
    seen_.clear();
    EXPECT_EQ(SendMessageW(window_, kProbe, 0, 0), 42);
    return seen_;
  }

  WNDPROC Current() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)); }

  HWND window_ = nullptr;
  std::size_t baselineSlots_ = 0;
  std::vector<std::string> seen_;
};

using Trail = std::vector<std::string>;

TEST_F(WindowHooksTest, RemovingThreeHooksInEveryOrderLeavesTheOthersInTheChain) {
  std::array<int, 3> order{0, 1, 2};
  const std::array<std::string, 3> names{"a", "b", "c"};
  do {
    std::array<std::shared_ptr<RecordingHook>, 3> hooks{Hook("a"), Hook("b"), Hook("c")};
    ASSERT_EQ(Probe(), (Trail{"c", "b", "a", "window"}));
    std::vector<std::string> live{"c", "b", "a"};
    for (int victim : order) {
      RemoveHook(window_, hooks[victim]->token);
      live.erase(std::find(live.begin(), live.end(), names[victim]));
      Trail expected = live;
      expected.push_back("window");
      EXPECT_EQ(Probe(), expected) << "order " << order[0] << order[1] << order[2];
      EXPECT_EQ(LiveHookCount(window_), live.size());
    }
    EXPECT_EQ(Current(), &PlainProc);
    EXPECT_EQ(SlotsInUse(), baselineSlots_);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(WindowHooksTest, AHookUnderAForeignSubclassForwardsUntilItCanLeave) {
  auto a = Hook("a");
  foreign_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  auto b = Hook("b");
  ASSERT_EQ(Probe(), (Trail{"b", "foreign", "a", "window"}));

  // The foreign procedure still calls a's procedure: a must stay, delivering nothing.
  RemoveHook(window_, a->token);
  EXPECT_EQ(Probe(), (Trail{"b", "foreign", "window"}));
  RemoveHook(window_, b->token);
  EXPECT_EQ(Current(), &ForeignProc);
  EXPECT_EQ(Probe(), (Trail{"foreign", "window"}));
  EXPECT_EQ(SlotsInUse(), baselineSlots_ + 1);

  // Once the foreign subclass is gone, the next message takes the pass-through out.
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreign_previous));
  EXPECT_EQ(Probe(), (Trail{"window"}));
  EXPECT_EQ(Current(), &PlainProc);
  EXPECT_EQ(SlotsInUse(), baselineSlots_);
}

TEST_F(WindowHooksTest, RemovedHookAboveAnotherOfOursIsSplicedOut) {
  auto a = Hook("a");
  auto b = Hook("b");
  auto c = Hook("c");
  RemoveHook(window_, b->token);
  EXPECT_EQ(SlotsInUse(), baselineSlots_ + 2);  // b left no pass-through behind
  EXPECT_EQ(Probe(), (Trail{"c", "a", "window"}));
  // A stale token, and a token named for another window, change nothing.
  RemoveHook(window_, b->token);
  RemoveHook(GetDesktopWindow(), a->token);
  EXPECT_EQ(Probe(), (Trail{"c", "a", "window"}));
}

TEST_F(WindowHooksTest, HooksRemovedWhileTheirMessageIsInsideFinishIt) {
  auto a = Hook("a");
  auto b = Hook("b");
  auto c = Hook("c");
  // b takes itself and the hook above it off while the probe is inside b: the probe still
  // goes on down, and the slots are reused only after it has returned.
  b->on_probe = [&] {
    RemoveHook(window_, b->token);
    RemoveHook(window_, c->token);
    EXPECT_EQ(SlotsInUse(), baselineSlots_ + 3);
  };
  EXPECT_EQ(Probe(), (Trail{"c", "b", "a", "window"}));
  EXPECT_EQ(SlotsInUse(), baselineSlots_ + 1);
  EXPECT_EQ(Probe(), (Trail{"a", "window"}));
  EXPECT_EQ(LiveHookCount(window_), 1u);
}

TEST_F(WindowHooksTest, DestroyingTheWindowFromInsideAHookFreesEverySlot) {
  auto a = Hook("a");
  auto b = Hook("b");
  RemoveHook(window_, a->token);  // a pass-through only if something foreign were above
  auto c = Hook("c");
  b->on_probe = [&] { DestroyWindow(window_); };
  seen_.clear();
  SendMessageW(window_, kProbe, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(SlotsInUse(), baselineSlots_);
  // The control's later removal of its hooks finds them gone and does nothing.
  RemoveHook(window_, b->token);
  RemoveHook(window_, c->token);
  EXPECT_EQ(SlotsInUse(), baselineSlots_);
}

}  // namespace
}  // namespace quillet::win32
