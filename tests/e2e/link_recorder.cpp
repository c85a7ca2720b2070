// Stands in for the browser while the end-to-end suite runs: registered as the prefix's
// handler of web addresses, it appends the command line it was started with, as one UTF-8
// line, to the file named by its first argument, and ends.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args || count < 2) return 2;
  const std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
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
