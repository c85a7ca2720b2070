// Stands in for the browser while the end-to-end suite runs: registered as the prefix's
// handler of web addresses, it appends the program that started it, a tab and the command
// line it was started with, as one UTF-8 line, to the file named by its first argument, and
// ends.
#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <string>

namespace {

// The file name of the process that started this one, or "?".
std::wstring Starter() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return L"?";
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  std::wstring name = L"?";
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  for (BOOL more = Process32FirstW(snapshot, &entry); more && parent != 0; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ProcessID == parent) name = entry.szExeFile;
  }
  CloseHandle(snapshot);
  return name;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count < 2) return 2;
  const std::wstring line = Starter() + L"\t" + GetCommandLineW() + L"\n";
  std::string bytes(line.size() * 4, '\0');
  bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                                            bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                            nullptr)));
  // One append of the whole line, so starts that overlap never interleave; retried while
  // another start holds the file.
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE file = CreateFileW(args[1], FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      const BOOL done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(file);
      return done ? 0 : 4;
    }
    Sleep(20);
  }
  return 3;
}
