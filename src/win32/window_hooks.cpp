#include "win32/window_hooks.h"

#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

#include "win32/system_libraries.h"

namespace quillet::win32 {
namespace {

using SubclassProc = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
using SetSubclassFn = BOOL(WINAPI*)(HWND, SubclassProc, UINT_PTR, DWORD_PTR);
using GetSubclassFn = BOOL(WINAPI*)(HWND, SubclassProc, UINT_PTR, DWORD_PTR*);
using RemoveSubclassFn = BOOL(WINAPI*)(HWND, SubclassProc, UINT_PTR);
using DefSubclassFn = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

struct Subclassing {
  SetSubclassFn set = nullptr;
  GetSubclassFn get = nullptr;
  RemoveSubclassFn remove = nullptr;
  DefSubclassFn callBelow = nullptr;
};

template <typename Function>
Function Export(HMODULE module, const char* name, WORD ordinal) {
  FARPROC address = GetProcAddress(module, name);
  if (!address) address = GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

// Looked up once; comctl32 stays loaded for the process.
const Subclassing* Api() {
  static const Subclassing api = [] {
    Subclassing found;
    if (const HMODULE comctl32 = wendral::win32::LoadSystemLibrary(L"comctl32.dll")) {
      found.set = Export<SetSubclassFn>(comctl32, "SetWindowSubclass", 410);
      found.get = Export<GetSubclassFn>(comctl32, "GetWindowSubclass", 411);
      found.remove = Export<RemoveSubclassFn>(comctl32, "RemoveWindowSubclass", 412);
      found.callBelow = Export<DefSubclassFn>(comctl32, "DefSubclassProc", 413);
    }
    return found;
  }();
  return api.set && api.get && api.remove && api.callBelow ? &api : nullptr;
}

// The one subclass of a hooked window: its hooks, oldest first.
constexpr UINT_PTR kSubclassId = 1;
struct WindowHooks {
  std::vector<std::pair<PreviousProcedure, std::shared_ptr<WindowHook>>> hooks;
  int inside = 0;  // messages passing through now
};

std::atomic<std::size_t> hooksAlive{0};
std::atomic<PreviousProcedure> nextToken{1};

LRESULT CALLBACK HooksProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data);

// Takes the subclass off once it holds no hook and no message.
void RemoveIfIdle(HWND window, WindowHooks* hooks) {
  if (!hooks->hooks.empty() || hooks->inside != 0) return;
  Api()->remove(window, &HooksProc, kSubclassId);
  delete hooks;
}

LRESULT CALLBACK HooksProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR data) {
  auto* record = reinterpret_cast<WindowHooks*>(data);
  ++record->inside;
  // The copy keeps each hook alive even if it is removed while this message is inside.
  const auto hooks = record->hooks;
  const auto window = reinterpret_cast<WindowHandle>(hwnd);
  MessageResult result = 0;
  std::size_t lowest = hooks.size();
  bool handled = false;
  try {
    while (lowest > 0 && !handled) handled = hooks[--lowest].second->Before(window, msg, wparam, lparam, result);
    if (!handled) result = Api()->callBelow(hwnd, msg, wparam, lparam);
    for (std::size_t i = lowest; i < hooks.size(); ++i) {
      hooks[i].second->After(window, msg, wparam, lparam, result, handled && i == lowest);
    }
  } catch (...) {
    // Nothing may unwind through the system's dispatch frames.
  }
  --record->inside;
  if (msg == WM_NCDESTROY) {
    // The window goes: its hooks go with it.
    hooksAlive -= record->hooks.size();
    record->hooks.clear();
  }
  RemoveIfIdle(hwnd, record);
  return result;
}

WindowHooks* HooksOf(HWND window) {
  DWORD_PTR data = 0;
  return Api()->get(window, &HooksProc, kSubclassId, &data) ? reinterpret_cast<WindowHooks*>(data) : nullptr;
}

bool OwnWindow(HWND window) {
  return IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

}  // namespace

PreviousProcedure InstallHook(HWND window, std::shared_ptr<WindowHook> hook) {
  if (!hook || !Api() || !OwnWindow(window)) throw HostError("cannot hook this window");
  WindowHooks* record = HooksOf(window);
  if (!record) {
    record = new WindowHooks;
    if (!Api()->set(window, &HooksProc, kSubclassId, reinterpret_cast<DWORD_PTR>(record))) {
      delete record;
      throw HostError("SetWindowSubclass failed");
    }
  }
  const PreviousProcedure token = nextToken++;
  record->hooks.emplace_back(token, std::move(hook));
  ++hooksAlive;
  return token;
}

void RemoveHook(HWND window, PreviousProcedure token) {
  // A window that is gone took its hooks with it.
  WindowHooks* record = Api() && OwnWindow(window) ? HooksOf(window) : nullptr;
  if (!record) return;
  auto& hooks = record->hooks;
  const auto it = std::find_if(hooks.begin(), hooks.end(), [token](const auto& h) { return h.first == token; });
  if (it == hooks.end()) return;
  hooks.erase(it);
  --hooksAlive;
  RemoveIfIdle(window, record);
}

std::size_t HooksAlive() { return hooksAlive; }

}  // namespace quillet::win32
