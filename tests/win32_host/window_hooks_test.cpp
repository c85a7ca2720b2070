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
  bool Before(WindowHandle, std::uint32_t msg, WParam, LParam, MessageResult& result) override {
    if (msg == kProbe) trail->push_back(name_);
    if (msg == kProbe && on_probe) on_probe();
    if (msg == kProbe && handles) result = 7;
    return msg == kProbe && handles;
  }
  void After(WindowHandle, std::uint32_t msg, WParam, LParam, MessageResult& result, bool handled) override {
    if (msg == kProbe) trail->push_back(name_ + (handled ? " after, handled " : " after ") + std::to_string(result));
  }
  bool handles = false;
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
    baselineHooks_ = HooksAlive();
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

  // The procedures a probe passes on its way down (the after halves left out), and what it
  // answers.
  std::vector<std::string> Probe() {
    seen_.clear();
    EXPECT_EQ(SendMessageW(window_, kProbe, 0, 0), 42);
    std::vector<std::string> down;
    for (const std::string& s : seen_)
      if (s.find(" after") == std::string::npos) down.push_back(s);
    return down;
  }

  WNDPROC Current() const { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)); }

  HWND window_ = nullptr;
  std::size_t baselineHooks_ = 0;
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
      EXPECT_EQ(HooksAlive(), baselineHooks_ + live.size());
    }
    EXPECT_EQ(Current(), &PlainProc);
    EXPECT_EQ(HooksAlive(), baselineHooks_);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(WindowHooksTest, HooksUnderAForeignSubclassKeepWorkingAndLeaveNothingBehind) {
  auto a = Hook("a");
  foreign_previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  auto b = Hook("b");
  // The chain stays where it was first installed: b joins it, below the foreign procedure.
  ASSERT_EQ(Probe(), (Trail{"foreign", "b", "a", "window"}));
  RemoveHook(window_, a->token);
  EXPECT_EQ(Probe(), (Trail{"foreign", "b", "window"}));
  // The foreign subclass leaves first, restoring what it found; then the last hook.
  SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(foreign_previous));
  EXPECT_EQ(Probe(), (Trail{"b", "window"}));
  RemoveHook(window_, b->token);
  EXPECT_EQ(Probe(), (Trail{"window"}));
  EXPECT_EQ(Current(), &PlainProc);
  EXPECT_EQ(HooksAlive(), baselineHooks_);
}

// The halves run as nested procedures would: down to the window, back up with its answer; a
// hook that handles the message ends the way down there.
TEST_F(WindowHooksTest, HalvesRunDownAndBackUpAndAHandledMessageStopsTheWayDown) {
  auto a = Hook("a");
  auto b = Hook("b");
  auto c = Hook("c");
  seen_.clear();
  EXPECT_EQ(SendMessageW(window_, kProbe, 0, 0), 42);
  EXPECT_EQ(seen_, (Trail{"c", "b", "a", "window", "a after 42", "b after 42", "c after 42"}));
  b->handles = true;
  seen_.clear();
  EXPECT_EQ(SendMessageW(window_, kProbe, 0, 0), 7);
  EXPECT_EQ(seen_, (Trail{"c", "b", "b after, handled 7", "c after 7"}));
}

TEST_F(WindowHooksTest, ARemovedHookInTheMiddleLeavesNothingBehind) {
  auto a = Hook("a");
  auto b = Hook("b");
  auto c = Hook("c");
  RemoveHook(window_, b->token);
  EXPECT_EQ(HooksAlive(), baselineHooks_ + 2);  // b left nothing behind
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
  // goes on down.
  b->on_probe = [&] {
    RemoveHook(window_, b->token);
    RemoveHook(window_, c->token);
    EXPECT_EQ(HooksAlive(), baselineHooks_ + 1);
  };
  EXPECT_EQ(Probe(), (Trail{"c", "b", "a", "window"}));
  EXPECT_EQ(HooksAlive(), baselineHooks_ + 1);
  EXPECT_EQ(Probe(), (Trail{"a", "window"}));
}

TEST_F(WindowHooksTest, DestroyingTheWindowFromInsideAHookFreesEveryHook) {
  auto a = Hook("a");
  auto b = Hook("b");
  RemoveHook(window_, a->token);
  auto c = Hook("c");
  b->on_probe = [&] { DestroyWindow(window_); };
  seen_.clear();
  SendMessageW(window_, kProbe, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(HooksAlive(), baselineHooks_);
  // The control's later removal of its hooks finds them gone and does nothing.
  RemoveHook(window_, b->token);
  RemoveHook(window_, c->token);
  EXPECT_EQ(HooksAlive(), baselineHooks_);
}

}  // namespace
}  // namespace quillet::win32
