#include "win32/settings_probe.h"

#include <windows.h>

#include "win32/wide_text.h"

namespace wendral::win32 {

std::string ExecutableDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  return Narrow(slash == std::wstring::npos ? std::wstring_view() : std::wstring_view(path).substr(0, slash));
}

bool NormalFileExists(const std::string& utf8Path) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(Widen(utf8Path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool normal = false;
  do {
    constexpr DWORD kExcluded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    normal = (found.dwFileAttributes & kExcluded) == 0;
  } while (!normal && FindNextFileW(search, &found));
  FindClose(search);
  return normal;
}

}  // namespace wendral::win32
