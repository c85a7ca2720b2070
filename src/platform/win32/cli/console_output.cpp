#include "console_output.h"

#include <string>

namespace wendral::win32 {

std::wstring WideFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}

ConsoleOutput::ConsoleOutput() : out_(Open(STD_OUTPUT_HANDLE)), err_(Open(STD_ERROR_HANDLE)) {}

ConsoleOutput::Stream ConsoleOutput::Open(DWORD which) {
  const HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  const bool console = handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
  return Stream{handle, console};
}

void ConsoleOutput::Write(const Stream& stream, std::string_view utf8) {
  if (stream.handle == nullptr || stream.handle == INVALID_HANDLE_VALUE) return;
  std::string text;
  for (char c : utf8) {
    if (c == '\n') text += '\r';
    text += c;
  }
  DWORD written = 0;
  if (stream.console) {
    const std::wstring wide = WideFromUtf8(text);
    WriteConsoleW(stream.handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(stream.handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace wendral::win32
