#include "win32/window_hooks.h"

#include <atomic>

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

// One installed hook. Only the thread of its window touches it.
struct HookRecord {
  std::shared_ptr<WindowHook> hook;  // empty once removed
  int inside = 0;                    // messages passing through it now
};

std::atomic<std::size_t> hooksAlive{0};
std::atomic<UINT_PTR> nextToken{1};

void FreeIfIdle(HookRecord* record) {
  if (record->hook || record->inside != 0) return;
  delete record;
  --hooksAlive;
}

LRESULT CALLBACK HookProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam, UINT_PTR token, DWORD_PTR data) {
  auto* record = reinterpret_cast<HookRecord*>(data);
  ++record->inside;
  LRESULT result = 0;
  // The copy keeps the hook alive even if it is removed while this message is inside.
  if (const std::shared_ptr<WindowHook> hook = record->hook) {
    try {
      result = hook->Process(reinterpret_cast<WindowHandle>(hwnd), msg, wparam, lparam);
    } catch (...) {
      // Nothing may unwind through the system's dispatch frames.
    }
  } else {
    result = Api()->callBelow(hwnd, msg, wparam, lparam);
  }
  --record->inside;
  if (msg == WM_NCDESTROY && record->hook) {
    // The window goes: its subclasses must go with it.
    Api()->remove(hwnd, &HookProc, token);
    record->hook.reset();
  }
  FreeIfIdle(record);
  return result;
}

}  // namespace

PreviousProcedure InstallHook(HWND window, std::shared_ptr<WindowHook> hook) {
  const Subclassing* api = Api();
  if (!hook || !api || !IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
    throw HostError("cannot hook this window");
  }
  auto* record = new HookRecord{std::move(hook)};
  ++hooksAlive;
  const UINT_PTR token = nextToken++;
  if (!api->set(window, &HookProc, token, reinterpret_cast<DWORD_PTR>(record))) {
    delete record;
    --hooksAlive;
    throw HostError("SetWindowSubclass failed");
  }
  return token;
}

void RemoveHook(HWND window, PreviousProcedure token) {
  const Subclassing* api = Api();
  DWORD_PTR data = 0;
  // Only a hook still installed on this window has a live record.
  if (!api || !IsWindow(window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
      !api->get(window, &HookProc, token, &data) || data == 0) {
    return;
  }
  auto* record = reinterpret_cast<HookRecord*>(data);
  api->remove(window, &HookProc, token);
  record->hook.reset();
  FreeIfIdle(record);
}

LRESULT CallBelow(PreviousProcedure, HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  const Subclassing* api = Api();
  return api ? api->callBelow(window, msg, wparam, lparam) : DefWindowProcW(window, msg, wparam, lparam);
}

std::size_t HooksAlive() { return hooksAlive; }

}  // namespace quillet::win32
