#include "cli_files.h"

#include <windows.h>

#include "win32/settings_probe.h"
#include "win32/wide_text.h"

namespace wendral::win32 {

std::optional<std::string> Win32CliFiles::Read(const std::string& path) {
  const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return bytes;
}

bool Win32CliFiles::Write(const std::string& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
            written == bytes.size();
  ok = FlushFileBuffers(file) != FALSE && ok;
  ok = CloseHandle(file) != FALSE && ok;
  return ok;
}

// The same first-run test as the window program's.
bool Win32CliFiles::NormalFileExists(const std::string& path) { return wendral::win32::NormalFileExists(path); }

}  // namespace wendral::win32
