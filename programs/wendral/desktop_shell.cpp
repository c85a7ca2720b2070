#include "desktop_shell.h"

#include <exdisp.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlobj.h>

#include "win32/system_libraries.h"

namespace wendral::win32 {
namespace {

// The identifiers, spelled out: taking them from libuuid would bring its whole table of
// identifiers (35 KB) into the program.
constexpr GUID kShellWindowsClass = {0x9ba05972, 0xf6a8, 0x11cf, {0xa4, 0x42, 0x00, 0xa0, 0xc9, 0x0a, 0x8f, 0x39}};
constexpr IID kShellWindows = {0x85cb6900, 0x4d95, 0x11cf, {0x96, 0x0c, 0x00, 0x80, 0xc7, 0xf4, 0xee, 0x85}};
constexpr IID kServiceProvider = {0x6d5140c1, 0x7436, 0x11ce, {0x80, 0x34, 0x00, 0xaa, 0x00, 0x60, 0x09, 0xfa}};
constexpr GUID kTopLevelBrowser = {0x4c96be40, 0x915c, 0x11cf, {0x99, 0xd3, 0x00, 0xaa, 0x00, 0x4a, 0xe8, 0x37}};
constexpr IID kShellBrowser = {0x000214e2, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kShellFolderViewDual = {0xe7a1af80, 0x4d96, 0x11cf, {0x96, 0x0c, 0x00, 0x80, 0xc7, 0xf4, 0xee, 0x85}};
constexpr IID kShellDispatch2 = {0xa4c6892c, 0x3ba9, 0x11d2, {0x9d, 0xea, 0x00, 0xc0, 0x4f, 0xb1, 0x61, 0x62}};

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  // The library stays loaded for the rest of the run.
  HMODULE module = LoadSystemLibrary(library);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(module ? GetProcAddress(module, name) : nullptr));
}

// Releases the interface it holds when it goes.
template <typename Interface>
class Held {
 public:
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (pointer_) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  Interface** put() { return &pointer_; }
  void** putVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// A BSTR of oleaut32's, freed with it.
class Text {
 public:
  explicit Text(const wchar_t* text) {
    static const auto allocate = SystemFunction<BSTR(WINAPI*)(const OLECHAR*)>(L"oleaut32.dll", "SysAllocString");
    if (allocate) text_ = allocate(text);
  }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() {
    static const auto release = SystemFunction<void(WINAPI*)(BSTR)>(L"oleaut32.dll", "SysFreeString");
    if (text_ && release) release(text_);
  }
  BSTR get() const { return text_; }

 private:
  BSTR text_ = nullptr;
};

VARIANT Variant(VARTYPE type) {
  VARIANT value;
  ZeroMemory(&value, sizeof value);
  value.vt = type;
  return value;
}

// The desktop's shell, reached from its window's shell view: the Explorer of the user who
// logged on, whatever rights this process has.
bool ShellExecuteOnDesktop(const wchar_t* address) {
  using CreateFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  static const auto create = SystemFunction<CreateFn>(L"ole32.dll", "CoCreateInstance");
  if (!create) return false;
  Held<IShellWindows> windows;
  if (FAILED(create(kShellWindowsClass, nullptr, CLSCTX_LOCAL_SERVER, kShellWindows, windows.putVoid()))) {
    return false;
  }
  VARIANT desktop = Variant(VT_I4);
  desktop.lVal = CSIDL_DESKTOP;
  VARIANT none = Variant(VT_EMPTY);
  LONG window = 0;
  Held<IDispatch> found;
  if (windows->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, found.put()) != S_OK || !found) {
    return false;
  }
  Held<IServiceProvider> services;
  Held<IShellBrowser> browser;
  Held<IShellView> view;
  Held<IDispatch> background;
  Held<IShellFolderViewDual> folderView;
  Held<IDispatch> application;
  Held<IShellDispatch2> shell;
  if (FAILED(found->QueryInterface(kServiceProvider, services.putVoid())) ||
      FAILED(services->QueryService(kTopLevelBrowser, kShellBrowser, browser.putVoid())) ||
      FAILED(browser->QueryActiveShellView(view.put())) || !view ||
      FAILED(view->GetItemObject(SVGIO_BACKGROUND, kDispatch, background.putVoid())) ||
      FAILED(background->QueryInterface(kShellFolderViewDual, folderView.putVoid())) ||
      FAILED(folderView->get_Application(application.put())) || !application ||
      FAILED(application->QueryInterface(kShellDispatch2, shell.putVoid()))) {
    return false;
  }
  const Text file(address);
  const Text open(L"open");
  if (!file.get() || !open.get()) return false;
  VARIANT operation = Variant(VT_BSTR);
  operation.bstrVal = open.get();
  VARIANT show = Variant(VT_I4);
  show.lVal = SW_SHOWNORMAL;
  return SUCCEEDED(shell->ShellExecute(file.get(), none, none, operation, show));
}

// True where the process holds an elevated token; false on XP, which has no such thing.
bool Elevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  DWORD elevated = 0;
  DWORD size = 0;
  const bool known = GetTokenInformation(token, TokenElevation, &elevated, sizeof elevated, &size) != FALSE;
  CloseHandle(token);
  return known && elevated != 0;
}

}  // namespace

void OpenPageAsDesktopUser(HWND owner, const wchar_t* address) {
  if (ShellExecuteOnDesktop(address) || Elevated()) return;
  using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
  static const auto shellExecute = SystemFunction<ShellExecuteFn>(L"shell32.dll", "ShellExecuteW");
  if (shellExecute) shellExecute(owner, L"open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace wendral::win32
