#include "win32/win32_profile.h"

#include <windows.h>

#include <climits>
#include <optional>
#include <vector>

#include "app/ansi_text.h"

namespace wendral {

// The A functions take the path in the ANSI code page; a path that has no such form cannot
// be named through them, so it reads as a missing file and cannot be written.

std::string Win32ProfileStore::Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                                    std::size_t bufferSize, const std::string& path) {
  const std::optional<std::string> ansiPath = ToAnsiExact(path);
  if (bufferSize == 0) return {};
  if (!ansiPath) return defaultValue.substr(0, bufferSize - 1);
  if (bufferSize > static_cast<std::size_t>(INT_MAX)) bufferSize = INT_MAX;
  // Zero-filled: where a double-byte character does not fit, the function leaves the last
  // place of the buffer untouched, and the text must still end there.
  std::vector<char> buffer(bufferSize, '\0');
  GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                           static_cast<DWORD>(bufferSize), ansiPath->c_str());
  buffer.back() = '\0';
  return std::string(buffer.data());
}

bool Win32ProfileStore::Write(const std::string& section, const std::string& key, const std::string& value,
                              const std::string& path) {
  const std::optional<std::string> ansiPath = ToAnsiExact(path);
  if (!ansiPath) return false;
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), ansiPath->c_str()) != FALSE;
}

void Win32ProfileStore::Flush(const std::string& path) {
  if (const std::optional<std::string> ansiPath = ToAnsiExact(path)) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath->c_str());
  }
}

}  // namespace wendral
