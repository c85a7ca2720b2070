// Three buttons hook one form. Destroyed in any order, the remaining ones still see the
// form's activation and the pointer, destroyed ones see nothing, and the form ends with
// its own procedure; a hook removed by the very message passing through it is safe.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/form_fixture.h"
#include "win32/window_hooks.h"

namespace quillet::win32::test {
namespace {

using E = ButtonEvent;

TEST(HookChain, ButtonsDestroyedInEveryOrderLeaveTheOthersWorking) {
  const std::size_t baseline = HooksAlive();
  std::array<int, 3> order{0, 1, 2};
  do {
    SCOPED_TRACE(testing::Message() << "order " << order[0] << order[1] << order[2]);
    TestForm form({u"A", u"B", u"C"});
    std::array<bool, 3> alive{true, true, true};
    for (int victim : order) {
      DestroyWindow(form.ButtonHandle(victim));
      alive[victim] = false;
      EXPECT_EQ(ButtonWindow::FromWindow(form.ButtonHandle(victim)), nullptr);
      std::array<std::size_t, 3> before{};
      for (int i = 0; i < 3; ++i) before[i] = form.events[i].size();
      const auto remaining = static_cast<std::size_t>(std::count(alive.begin(), alive.end(), true));
      EXPECT_EQ(HooksAlive(), baseline + 2 * remaining);  // each its own window and the form

      SetActiveWindow(OtherWindow());
      PumpUntil([&] { return GetActiveWindow() == OtherWindow(); });
      for (int i = 0; i < 3; ++i) {
        if (alive[i]) {
          EXPECT_FALSE(form.Control(i).ParentActive()) << i;
        }
      }
      form.Activate();
      for (int i = 0; i < 3; ++i) {
        if (!alive[i]) continue;
        EXPECT_TRUE(form.Control(i).ParentActive()) << i;
        const POINT centre = form.Centre(i);
        MoveMouseTo(centre);
        EXPECT_TRUE(PumpUntil([&] { return Count(form.events[i], E::MouseEnter) > 0 && form.Control(i).MouseOver(); }))
            << i;
        form.events[i].clear();
        before[i] = 0;
      }
      MoveMouseTo(POINT{50, 50});
      PumpUntil([&] {
        for (int i = 0; i < 3; ++i) {
          if (alive[i] && form.Control(i).MouseOver()) return false;
        }
        return true;
      });
      for (int i = 0; i < 3; ++i) {
        if (!alive[i]) {
          EXPECT_EQ(form.events[i].size(), before[i]) << "destroyed button " << i << " got events";
        }
      }
    }
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC)), form.original_proc);
  } while (std::next_permutation(order.begin(), order.end()));
  EXPECT_EQ(HooksAlive(), baseline);
}

TEST(HookChain, ButtonDestroyedByTheActivationPassingThroughItsHook) {
  const std::size_t baseline = HooksAlive();
  {
    TestForm form({u"A", u"B", u"C"});
    SetActiveWindow(OtherWindow());
    PumpUntil([&] { return !form.Control(0).ParentActive(); });
    const HWND middle = form.ButtonHandle(1);
    form.on_message = [&](UINT msg, WPARAM wparam, LPARAM) {
      if (msg == WM_ACTIVATE && LOWORD(wparam) != WA_INACTIVE && IsWindow(middle)) DestroyWindow(middle);
    };
    form.Activate();
    EXPECT_FALSE(IsWindow(middle));
    // The others saw that same activation, below and above the removed hook.
    EXPECT_TRUE(form.Control(0).ParentActive());
    EXPECT_TRUE(form.Control(2).ParentActive());
    EXPECT_EQ(HooksAlive(), baseline + 4);
    form.on_message = nullptr;
    SetActiveWindow(OtherWindow());
    PumpUntil([&] { return !form.Control(2).ParentActive(); });
    EXPECT_FALSE(form.Control(0).ParentActive());
  }
  EXPECT_EQ(HooksAlive(), baseline);
}

TEST(HookChain, ClickHandlerThatClosesTheFormOutlivesItsOwnWindow) {
  const std::size_t baseline = HooksAlive();
  TestForm form({u"A", u"B"});
  const HWND button = form.ButtonHandle(0);
  form.on_message = [&](UINT msg, WPARAM wparam, LPARAM) {
    if (msg == WM_COMMAND && LOWORD(wparam) == kFirstId) DestroyWindow(form.hwnd());
  };
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  PumpUntil([&] { return !IsWindow(form.hwnd()); });
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(ButtonWindow::FromWindow(button), nullptr);
  // The control finished the release it was handling: Click, then MouseUp.
  EXPECT_EQ(form.events[0], (std::vector<E>{E::MouseDown, E::Click, E::MouseUp}));
  EXPECT_TRUE(form.events[1].empty());
  EXPECT_EQ(HooksAlive(), baseline);
}

}  // namespace
}  // namespace quillet::win32::test
