#include "cli_files.h"

#include <windows.h>

#include "win32/settings_probe.h"
#include "win32/wide_text.h"

namespace wendral::win32 {

std::optional<std::string> Win32CliFiles::Read(const std::string& path) {
  const HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
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

cli::CliFiles::NewFile Win32CliFiles::WriteNew(const std::string& path, const std::string& bytes) {
  const std::wstring target = Widen(path);
  // The new file goes beside the target, so the move stays on one volume and is a rename.
  std::wstring full(MAX_PATH, L'\0');
  DWORD length = GetFullPathNameW(target.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {
    full.resize(length);
    length = GetFullPathNameW(target.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (length == 0 || length >= full.size()) return NewFile::Failed;
  full.resize(length);
  if (GetFileAttributesW(full.c_str()) != INVALID_FILE_ATTRIBUTES) return NewFile::Exists;
  const std::wstring temporary = full.substr(0, full.find_last_of(L"\\/") + 1) + L"~wendral-cli-" +
                                 Widen(std::to_string(GetCurrentProcessId())) + L".tmp";
  const HANDLE file =
      CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return NewFile::Failed;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
            written == bytes.size();
  ok = FlushFileBuffers(file) != FALSE && ok;
  ok = CloseHandle(file) != FALSE && ok;
  // Without MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile is kept.
  if (ok && MoveFileExW(temporary.c_str(), full.c_str(), MOVEFILE_WRITE_THROUGH)) return NewFile::Written;
  const DWORD error = GetLastError();
  DeleteFileW(temporary.c_str());
  return ok && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) ? NewFile::Exists : NewFile::Failed;
}

// The same first-run test as the window program's.
bool Win32CliFiles::NormalFileExists(const std::string& path) { return wendral::win32::NormalFileExists(path); }

}  // namespace wendral::win32
