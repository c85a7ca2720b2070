#include "win32/system_libraries.h"

#include <commctrl.h>

#include <string>

namespace wendral::win32 {
namespace {

// Newer than the headers' target (_WIN32_WINNT 0x0501), so spelled out here.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

bool search_flags_available = false;

template <typename Function>
Function Kernel32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

}  // namespace

void RestrictDllSearchToSystemFolder() {
  // Seen in Wine's debug output (+debugstr): the tests tell loads before this point, made
  // while the system resolved the program's imports, from loads the program could govern.
  OutputDebugStringA("wendral: DLL search limited to the system folder\n");
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  using SetDllDirectoryFn = BOOL(WINAPI*)(LPCWSTR);
  if (const auto restrict_search = Kernel32Function<SetDefaultDllDirectoriesFn>("SetDefaultDllDirectories")) {
    search_flags_available = restrict_search(kSearchSystem32) != FALSE;
  }
  if (!search_flags_available) {
    if (const auto set_directory = Kernel32Function<SetDllDirectoryFn>("SetDllDirectoryW")) set_directory(L"");
  }
  // The theme code of the common controls loads msimg32 lazily, the first time it blends
  // (AlphaBlend), and Wine's loader searches the program's folder for such delayed loads
  // whatever the default directories say. Loaded now from the system folder, the later
  // load by name finds this module already in place.
  LoadSystemLibrary(L"msimg32.dll");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  // By full path even where the search is limited: on XP the limit may be missing, and a path
  // leaves the loader nothing to search.
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::wstring path(folder, length);
  path += L'\\';
  path += name;
  return LoadLibraryW(path.c_str());
}

bool InitCommonControlsFromSystem() {
  // The one load by name: the manifest's activation context redirects comctl32 to the
  // side-by-side store before the loader looks in any folder, and a full system-folder path
  // would bypass that redirection and give the old version 5 controls.
  HMODULE comctl32 = search_flags_available ? LoadLibraryExW(L"comctl32.dll", nullptr, kSearchSystem32)
                                            : LoadLibraryW(L"comctl32.dll");
  if (!comctl32) return false;
  using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(comctl32, "InitCommonControlsEx")));
  if (!init) return false;
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  return init(&controls) != FALSE;
}

}  // namespace wendral::win32
