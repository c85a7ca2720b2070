#include "win32/window_hooks.h"

#include <array>
#include <cstdint>
#include <utility>

#include "win32/dispatch_scope.h"

namespace quillet::win32 {
namespace {

// Two hooks per button; a program has a handful of buttons, a test form a few dozen.
constexpr std::size_t kSlotCount = 256;
constexpr std::uintptr_t kIndexBits = 8;
constexpr std::uintptr_t kGenerationLimit = 0xFFFFFF;  // what fits above the index in 32 bits

struct Slot {
  HWND window = nullptr;
  WNDPROC previous = nullptr;
  std::shared_ptr<WindowHook> hook;  // empty once removed: a pass-through
  std::uintptr_t generation = 0;
  int inside = 0;  // messages currently passing through
  bool taken = false;
  bool unlinked = false;  // out of the window's chain; free once `inside` is 0
};

std::array<Slot, kSlotCount> slots;

LRESULT Dispatch(std::size_t index, HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

template <std::size_t I>
LRESULT CALLBACK SlotProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return Dispatch(I, hwnd, msg, wparam, lparam);
}

template <std::size_t... I>
constexpr std::array<WNDPROC, sizeof...(I)> MakeProcs(std::index_sequence<I...>) {
  return {&SlotProc<I>...};
}

constexpr std::array<WNDPROC, kSlotCount> kProcs = MakeProcs(std::make_index_sequence<kSlotCount>{});

WNDPROC CurrentProc(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

std::size_t IndexOf(const Slot& s) { return static_cast<std::size_t>(&s - slots.data()); }

PreviousProcedure TokenOf(const Slot& s) { return (s.generation << kIndexBits) | IndexOf(s); }

Slot* Lookup(PreviousProcedure token) {
  const std::size_t index = token & ((std::uintptr_t{1} << kIndexBits) - 1);
  Slot& s = slots[index];
  if (!s.taken || s.generation != (token >> kIndexBits)) return nullptr;
  return &s;
}

void Free(Slot& s) {
  const std::uintptr_t generation = s.generation;
  s = Slot{};
  s.generation = generation;
}

void FreeIfIdle(Slot& s) {
  if (s.unlinked && s.inside == 0) Free(s);
}

// The slot of ours whose previous procedure is `proc` on `window`: the hook right above.
Slot* SlotAbove(HWND window, WNDPROC proc) {
  for (Slot& s : slots) {
    if (s.taken && !s.unlinked && s.window == window && s.previous == proc) return &s;
  }
  return nullptr;
}

// Takes a removed hook out of the chain if nothing foreign sits right above it.
void TryUnlink(Slot& s) {
  if (s.unlinked || s.hook) return;
  const WNDPROC self = kProcs[IndexOf(s)];
  if (CurrentProc(s.window) == self) {
    SetWindowLongPtrW(s.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(s.previous));
    s.unlinked = true;
  } else if (Slot* above = SlotAbove(s.window, self)) {
    above->previous = s.previous;
    s.unlinked = true;
  }
}

// After the top hook went, the procedure now on top may be a pass-through of ours.
void CollapseTop(HWND window) {
  for (;;) {
    const WNDPROC current = CurrentProc(window);
    Slot* top = nullptr;
    for (Slot& s : slots) {
      if (s.taken && !s.unlinked && s.window == window && kProcs[IndexOf(s)] == current) top = &s;
    }
    if (!top || top->hook) return;
    TryUnlink(*top);
    FreeIfIdle(*top);
  }
}

LRESULT Dispatch(std::size_t index, HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  DispatchScope scope;
  Slot& s = slots[index];
  if (!s.taken || s.window != hwnd) {
    // Only a stale pointer to a freed slot gets here; there is no chain left to follow.
    return DefWindowProcW(hwnd, msg, wparam, lparam);
  }
  ++s.inside;
  LRESULT result = 0;
  // The copy keeps the hook alive even if it is removed while this message is inside.
  if (const std::shared_ptr<WindowHook> hook = s.hook) {
    try {
      result = hook->Process(reinterpret_cast<WindowHandle>(hwnd), msg, wparam, lparam);
    } catch (...) {
      // Nothing may unwind through the system's dispatch frames.
    }
  } else {
    result = CallWindowProcW(s.previous, hwnd, msg, wparam, lparam);
  }
  --s.inside;
  if (msg == WM_NCDESTROY) {
    s.hook.reset();
    s.unlinked = true;  // the window and its chain are gone
  } else if (s.inside == 0) {
    TryUnlink(s);
  }
  FreeIfIdle(s);
  return result;
}

}  // namespace

PreviousProcedure InstallHook(HWND window, std::shared_ptr<WindowHook> hook) {
  if (!hook || !IsWindow(window)) throw HostError("cannot hook this window");
  Slot* free_slot = nullptr;
  for (Slot& s : slots) {
    if (!s.taken) {
      free_slot = &s;
      break;
    }
  }
  if (!free_slot) throw HostError("no free window hook slot");
  Slot& s = *free_slot;
  s.generation = s.generation % kGenerationLimit + 1;
  s.taken = true;
  s.window = window;
  s.hook = std::move(hook);
  s.previous = CurrentProc(window);
  SetLastError(0);
  const LONG_PTR replaced = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kProcs[IndexOf(s)]));
  if (replaced == 0 && GetLastError() != 0) {
    Free(s);
    throw HostError("SetWindowLongPtr failed");
  }
  s.previous = reinterpret_cast<WNDPROC>(replaced);
  return TokenOf(s);
}

void RemoveHook(HWND window, PreviousProcedure token) {
  Slot* s = Lookup(token);
  if (!s || s->window != window || s->unlinked) return;
  s->hook.reset();
  if (!IsWindow(window)) {
    s->unlinked = true;
  } else {
    const bool was_top = CurrentProc(window) == kProcs[IndexOf(*s)];
    TryUnlink(*s);
    if (was_top) CollapseTop(window);
  }
  FreeIfIdle(*s);
}

LRESULT CallBelow(PreviousProcedure token, HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  Slot* s = Lookup(token);
  if (!s) return DefWindowProcW(window, msg, wparam, lparam);
  return CallWindowProcW(s->previous, window, msg, wparam, lparam);
}

std::size_t LiveHookCount(HWND window) {
  std::size_t n = 0;
  for (const Slot& s : slots) n += s.taken && !s.unlinked && s.hook && s.window == window;
  return n;
}

std::size_t SlotsInUse() {
  std::size_t n = 0;
  for (const Slot& s : slots) n += s.taken;
  return n;
}

}  // namespace quillet::win32
