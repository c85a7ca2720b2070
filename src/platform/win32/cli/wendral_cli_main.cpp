// wendral-cli.exe: status, set and restore of the stick's network name from a console or a
// script. Asks for no elevation; without administrator rights it says so and exits with 3.
#include <windows.h>

#include <vector>

#include "app/settings_keeper.h"
#include "cli/cli_commands.h"
#include "cli_files.h"
#include "console_output.h"
#include "platform/win32/system_libraries.h"
#include "platform/win32/win32_profile.h"
#include "platform/win32/win32_registry.h"

namespace {

// The directory of the running executable: 360RI.INI is the one beside wendral.exe.
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
  return wendral::win32::Utf8FromWide(slash == std::wstring::npos ? std::wstring_view()
                                                                    : std::wstring_view(path).substr(0, slash));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  wendral::win32::RestrictDllSearchToSystemFolder();
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(wendral::win32::Utf8FromWide(argv[i]));
  wendral::Win32Registry registry;
  wendral::Win32ProfileStore profiles;
  wendral::win32::Win32CliFiles files;
  wendral::win32::ConsoleOutput output;
  wendral::cli::CliEnvironment env{registry, profiles, wendral::SettingsPath(ExecutableDirectory()), files, output};
  return wendral::cli::RunCli(args, env);
}
