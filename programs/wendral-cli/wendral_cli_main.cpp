// wendral-cli.exe: status, set, restore and restart of the stick's network name from a console or a
// script. Asks for no elevation; without administrator rights it says so and exits with 3.
#include <windows.h>

#include <vector>

#include "app/settings_keeper.h"
#include "cli/cli_commands.h"
#include "cli_files.h"
#include "console_output.h"
#include "setupapi_devices.h"
#include "win32/settings_probe.h"
#include "win32/wide_text.h"
#include "win32/system_libraries.h"
#include "win32/win32_profile.h"
#include "win32/win32_registry.h"

int wmain(int argc, wchar_t** argv) {
  wendral::win32::RestrictDllSearchToSystemFolder();
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(wendral::win32::Narrow(argv[i]));
  wendral::Win32Registry registry;
  wendral::Win32ProfileStore profiles;
  wendral::win32::Win32CliFiles files;
  wendral::win32::ConsoleOutput output;
  wendral::win32::SetupApiDevices devices;
  wendral::cli::CliEnvironment env{registry, profiles, wendral::SettingsPath(wendral::win32::ExecutableDirectory()),
                                   files,    output,   nullptr,
                                   &devices};
  env.ansiCodePage936 = GetACP() == 936;
  return wendral::cli::RunCli(args, env);
}
