// The per-control HookTable: which windows the control has hooked, the hook
// procedure installed on each, the procedure it replaced, and the before and after message
// lists with their counts. Routing goes through the host (ControlHost::InstallWindowHook),
// so the same table works on Windows and in the headless host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "button/control_host.h"

namespace quillet {

// HookWhen flags of AddHookedMessage (both may be combined).
constexpr std::uint32_t kHookAfter = 1;
constexpr std::uint32_t kHookBefore = 2;
// A message number of -1 hooks every message.
constexpr std::uint32_t kAllMessages = 0xFFFFFFFFu;

// A window the table does not hold was named (UnhookWindow, AddHookedMessage).
class HookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a hook delivers to: the control's message procedure.
class SubclassTarget {
 public:
  virtual ~SubclassTarget() = default;
  virtual void OnHookedMessage(bool before, bool& handled, MessageResult& result, WindowHandle& hwnd,
                               std::uint32_t& msg, WParam& wParam, LParam& lParam) = 0;
};

// The lists and counts one hook procedure reads. A count of -1 means every message; 0 in a
// list marks a free slot.
struct HookMessageLists {
  std::int32_t afterCount = 0;
  std::int32_t beforeCount = 0;
  std::vector<std::uint32_t> afterMessages;
  std::vector<std::uint32_t> beforeMessages;

  static bool Contains(std::int32_t count, const std::vector<std::uint32_t>& list, std::uint32_t msg);
  static void Add(std::int32_t& count, std::vector<std::uint32_t>& list, std::uint32_t msg);
};

// The hook procedure for one hooked window, bound to one control and one entry's lists:
// the before list, then (the host) the previous procedure unless handled, then the after
// list, and the result.
class HookProcedure : public WindowHook {
 public:
  HookProcedure(SubclassTarget& target, std::shared_ptr<HookMessageLists> lists)
      : target_(&target), lists_(std::move(lists)) {}

  bool Before(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam, MessageResult& result) override;
  void After(WindowHandle hwnd, std::uint32_t msg, WParam wparam, LParam lparam, MessageResult& result,
             bool handled) override;

  // Frees the procedure: from now on it only passes messages on, never to the control.
  void Free() { target_ = nullptr; }
  bool Freed() const { return target_ == nullptr; }

 private:
  SubclassTarget* target_;
  std::shared_ptr<HookMessageLists> lists_;
};

struct HookEntry {
  WindowHandle window = 0;  // 0 marks a free entry
  std::shared_ptr<HookProcedure> hook;
  PreviousProcedure previous = 0;
  std::shared_ptr<HookMessageLists> lists = std::make_shared<HookMessageLists>();
};

class HookTable {
 public:
  HookTable(ControlHost& host, SubclassTarget& target) : host_(host), target_(target) {}
  HookTable(const HookTable&) = delete;
  HookTable& operator=(const HookTable&) = delete;

  // Takes the last free entry (or appends one), installs a new hook procedure on `window`
  // and answers the entry's index.
  std::size_t HookWindow(WindowHandle window);
  // Adds `message` to the before and/or after list of the entry holding `window`.
  void AddHookedMessage(WindowHandle window, std::uint32_t message, std::uint32_t when);
  // Restores the previous procedure, silences and frees the hook, clears the entry.
  void UnhookWindow(WindowHandle window);
  // UnhookWindow for every hooked entry, last to first.
  void UnhookAll();

  const std::vector<HookEntry>& Entries() const { return entries_; }
  std::size_t HookedCount() const;

 private:
  HookEntry& EntryFor(WindowHandle window);

  ControlHost& host_;
  SubclassTarget& target_;
  std::vector<HookEntry> entries_;
};

}  // namespace quillet
