#include "console_output.h"

#include "win32/wide_text.h"

#include <string>

namespace wendral::win32 {

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
    const std::wstring wide = Widen(text);
    WriteConsoleW(stream.handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
  } else {
    WriteFile(stream.handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }
}

}  // namespace wendral::win32
