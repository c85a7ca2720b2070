#include "button/hook_table.h"

#include <algorithm>

namespace quillet {

bool HookMessageLists::Contains(std::int32_t count, const std::vector<std::uint32_t>& list, std::uint32_t msg) {
  if (count == -1) return true;
  const auto n = std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), list.size());
  return msg != 0 && std::find(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n), msg) !=
                         list.begin() + static_cast<std::ptrdiff_t>(n);
}

void HookMessageLists::Add(std::int32_t& count, std::vector<std::uint32_t>& list, std::uint32_t msg) {
  if (msg == kAllMessages) {
    count = -1;
    return;
  }
  if (count == -1) return;  // every message is delivered already
  const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), list.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (list[i] == msg) return;
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (list[i] == 0) {
      list[i] = msg;
      return;
    }
  }
  list.resize(n);
  list.push_back(msg);
  ++count;
}

bool HookProcedure::Before(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam, MessageResult& result) {
  bool handled = false;
  // The lists stay alive even if the entry is cleared while this message passes.
  if (const auto lists = lists_;
      target_ && HookMessageLists::Contains(lists->beforeCount, lists->beforeMessages, msg)) {
    target_->OnHookedMessage(true, handled, result, hwnd, msg, wparam, lparam);
  }
  return handled;
}

void HookProcedure::After(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam, MessageResult& result,
                          bool handled) {
  if (const auto lists = lists_; target_ && HookMessageLists::Contains(lists->afterCount, lists->afterMessages, msg)) {
    target_->OnHookedMessage(false, handled, result, hwnd, msg, wparam, lparam);
  }
}

std::size_t HookTable::HookWindow(WindowHandle window) {
  std::size_t index = entries_.size();
  for (std::size_t i = entries_.size(); i-- > 0;) {
    if (entries_[i].window == 0) {
      index = i;
      break;
    }
  }
  if (index == entries_.size()) entries_.emplace_back();
  HookEntry& entry = entries_[index];
  entry.window = window;
  entry.lists = std::make_shared<HookMessageLists>();
  entry.hook = std::make_shared<HookProcedure>(target_, entry.lists);
  try {
    entry.previous = host_.InstallWindowHook(window, entry.hook);
  } catch (...) {
    entry = HookEntry{};
    throw;
  }
  return index;
}

HookEntry& HookTable::EntryFor(WindowHandle window) {
  for (std::size_t i = entries_.size(); i-- > 0;) {
    if (window != 0 && entries_[i].window == window) return entries_[i];
  }
  throw HookError("window is not hooked");
}

void HookTable::AddHookedMessage(WindowHandle window, std::uint32_t message, std::uint32_t when) {
  HookEntry& entry = EntryFor(window);
  HookMessageLists& lists = *entry.lists;
  if (when & kHookBefore) HookMessageLists::Add(lists.beforeCount, lists.beforeMessages, message);
  if (when & kHookAfter) HookMessageLists::Add(lists.afterCount, lists.afterMessages, message);
}

void HookTable::UnhookWindow(WindowHandle window) {
  HookEntry& entry = EntryFor(window);
  // Take the entry apart first: whatever happens below, nothing more reaches the control.
  auto hook = std::move(entry.hook);
  auto lists = std::move(entry.lists);
  const PreviousProcedure previous = entry.previous;
  lists->afterCount = 0;
  lists->beforeCount = 0;
  if (hook) hook->Free();
  entry = HookEntry{};
  host_.RemoveWindowHook(window, previous);
}

void HookTable::UnhookAll() {
  for (std::size_t i = entries_.size(); i-- > 0;) {
    if (entries_[i].window != 0) UnhookWindow(entries_[i].window);
  }
}

std::size_t HookTable::HookedCount() const {
  return static_cast<std::size_t>(
      std::count_if(entries_.begin(), entries_.end(), [](const HookEntry& e) { return e.window != 0; }));
}

}  // namespace quillet
