#include "ole_runtime.h"

#include <cstring>

#include "win32/system_libraries.h"

namespace wendral::win32 {
namespace {

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  // The library stays loaded for the rest of the run.
  HMODULE module = LoadSystemLibrary(library);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(module ? GetProcAddress(module, name) : nullptr));
}

HHOOK firstFocusHook = nullptr;

LRESULT CALLBACK BeforeFirstFocus(int code, WPARAM wparam, LPARAM lparam) {
  const HHOOK hook = firstFocusHook;
  if (hook && (code == HCBT_ACTIVATE || code == HCBT_SETFOCUS)) {
    firstFocusHook = nullptr;
    UnhookWindowsHookEx(hook);
    LoadSystemLibrary(L"ole32.dll");
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

}  // namespace

void LoadOleFromSystemFolderBeforeFirstFocus() {
  firstFocusHook = SetWindowsHookExW(WH_CBT, &BeforeFirstFocus, nullptr, GetCurrentThreadId());
  if (!firstFocusHook) LoadSystemLibrary(L"ole32.dll");
}

bool StartOle() {
  static const auto initialize = SystemFunction<HRESULT(WINAPI*)(LPVOID)>(L"ole32.dll", "OleInitialize");
  return initialize && SUCCEEDED(initialize(nullptr));
}

void StopOle() {
  static const auto uninitialize = SystemFunction<void(WINAPI*)()>(L"ole32.dll", "OleUninitialize");
  if (uninitialize) uninitialize();
}

IPicture* LoadPictureFromBytes(const void* bytes, DWORD size) {
  using CreateStreamFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
  using LoadPictureFn = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
  static const auto createStream = SystemFunction<CreateStreamFn>(L"ole32.dll", "CreateStreamOnHGlobal");
  static const auto loadPicture = SystemFunction<LoadPictureFn>(L"oleaut32.dll", "OleLoadPicture");
  if (!createStream || !loadPicture || !bytes || size == 0) return nullptr;
  // The loader reads from a stream; the stream frees the copy with itself.
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  IStream* stream = nullptr;
  if (FAILED(createStream(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  IPicture* picture = nullptr;
  if (FAILED(loadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture))))
    picture = nullptr;
  stream->Release();
  return picture;
}

}  // namespace wendral::win32
