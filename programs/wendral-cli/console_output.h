#pragma once
// wendral-cli's two streams: Unicode on a console (WriteConsoleW, so Chinese shows whatever
// the console's code page), UTF-8 with CRLF line ends when redirected to a file or a pipe.
#include <windows.h>

#include "cli/cli_commands.h"

namespace wendral::win32 {

class ConsoleOutput final : public cli::CliOutput {
 public:
  ConsoleOutput();
  void Out(std::string_view utf8) override { Write(out_, utf8); }
  void Err(std::string_view utf8) override { Write(err_, utf8); }

 private:
  struct Stream {
    HANDLE handle;
    bool console;
  };
  static Stream Open(DWORD which);
  static void Write(const Stream& stream, std::string_view utf8);

  Stream out_;
  Stream err_;
};

}  // namespace wendral::win32
