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

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitWritesFailed = 1;
inline constexpr int kExitRefused = 2;
inline constexpr int kExitAccessDenied = 3;

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
  // True only when every byte reached the file.
  virtual bool Write(const std::string& path, const std::string& bytes) = 0;
  // An ordinary file, as the main window's first-run test counts one.
  virtual bool NormalFileExists(const std::string& path) = 0;
};

struct CliEnvironment {
  RegistryApi& registry;
  ProfileStore& profiles;
  std::string settingsPath;  // 360RI.INI beside the executables
  CliFiles& files;
  CliOutput& output;
};

// Runs one command line (the arguments after the program's name) and returns the exit status.
int RunCli(const std::vector<std::string>& args, CliEnvironment& env);

}  // namespace wendral::cli
