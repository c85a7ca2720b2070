#pragma once
// src/cli: wendral-cli's logic over src/app, platform-free so it also runs against the
// in-memory registry. It may include app/ and formats/, never win32/ or a Windows header.
//
// wendral-cli's commands over the same logic as the main window: the registry layer, the
// settings file and the name checks. The platform supplies the registry, the profile store,
// file access and the two output streams.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/profile_store.h"
#include "app/registry_api.h"

namespace wendral::cli {

// Exit statuses, for scripts that read nothing else.
inline constexpr int kExitOk = 0;            // every write succeeded
inline constexpr int kExitWritesFailed = 1;  // writes failed for another reason than rights
inline constexpr int kExitRefused = 2;       // usage or input refused: nothing changed
inline constexpr int kExitAccessDenied = 3;  // no rights: nothing changed
inline constexpr int kExitNoStick = 4;       // no stick found: nothing changed
inline constexpr int kExitNotRestarted = 5;  // written, but a stick could not be restarted: re-plug it

class NetworkDevices;
class SsidAccess;

class CliOutput {
 public:
  virtual ~CliOutput() = default;
  // UTF-8 text; lines end in "\n".
  virtual void Out(std::string_view utf8) = 0;
  virtual void Err(std::string_view utf8) = 0;
};

class CliFiles {
 public:
  virtual ~CliFiles() = default;
  // Paths are UTF-8.
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  enum class NewFile { Written, Exists, Failed };
  // Writes a file that did not exist: all bytes to a new file beside it, flushed, then moved
  // into place without replacing anything. Exists when the path is taken; nothing is left
  // behind unless Written.
  virtual NewFile WriteNew(const std::string& path, const std::string& bytes) = 0;
  // An ordinary file, as the main window's first-run test counts one.
  virtual bool NormalFileExists(const std::string& path) = 0;
};

struct CliEnvironment {
  RegistryApi& registry;
  ProfileStore& profiles;
  std::string settingsPath;  // 360RI.INI beside the executables
  CliFiles& files;
  CliOutput& output;
  // Access to the "SSID" values; null: through `registry`.
  SsidAccess* ssid = nullptr;
  // The network-class devices, for --restart and status; null: none.
  NetworkDevices* devices = nullptr;
  // Whether the system's ANSI code page is 936. regedit reads a REGEDIT4 file in the system's
  // code page, so elsewhere a backup holding a name beyond ASCII takes the UTF-16 format.
  bool ansiCodePage936 = true;
};

// Runs one command line (the arguments after the program's name) and returns the exit status.
int RunCli(const std::vector<std::string>& args, CliEnvironment& env);

}  // namespace wendral::cli
