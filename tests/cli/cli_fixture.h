#pragma once
// One run of wendral-cli's commands: the in-memory registry, 360RI.INI in a directory of
// its own, files on disk, and the two output streams recorded.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/adapter_registry.h"
#include "cli/cli_commands.h"
#include "cli/network_devices.h"
#include "formats/ini_profile.h"
#include "formats/memory_registry.h"
#include "formats/reg_file.h"
#include "support/test_files.h"

namespace wendral::test {

class RecordingOutput final : public cli::CliOutput {
 public:
  void Out(std::string_view utf8) override { out += utf8; }
  void Err(std::string_view utf8) override { err += utf8; }
  std::string out, err;
};

class DiskFiles final : public cli::CliFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    if (!std::filesystem::is_regular_file(Utf8Path(path))) return std::nullopt;
    return ReadBytes(path);
  }
  // The move that never replaces is the program's (Win32CliFiles, tried by cli_exe_test);
  // here only its outcome.
  NewFile WriteNew(const std::string& path, const std::string& bytes) override {
    if (std::filesystem::exists(Utf8Path(path))) return NewFile::Exists;
    std::ofstream file(Utf8Path(path), std::ios::binary);
    if (!file) return NewFile::Failed;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return file ? NewFile::Written : NewFile::Failed;
  }
  bool NormalFileExists(const std::string& path) override {
    return std::filesystem::is_regular_file(Utf8Path(path));
  }
};

// The device manager as a table: what it lists, what every restart answers, which devices
// were asked to restart.
class FakeDevices final : public cli::NetworkDevices {
 public:
  std::optional<std::vector<cli::NetworkDevice>> List(std::uint32_t* error) override {
    if (listError == 0) return listed;
    *error = listError;
    return std::nullopt;
  }
  cli::RestartResult Restart(const cli::NetworkDevice& device) override {
    restarted.push_back(device.instanceId);
    return answer;
  }
  std::vector<cli::NetworkDevice> listed;
  std::uint32_t listError = 0;
  cli::RestartResult answer{cli::RestartOutcome::Restarted, 0};
  std::vector<std::string> restarted;
};

class CliTest : public ::testing::Test {
 protected:
  static constexpr RegKey kHklm = reg::kHkeyLocalMachine;

  int Run(const std::vector<std::string>& args) {
    output = RecordingOutput{};
    devices.restarted.clear();
    cli::CliEnvironment env{memory, profiles, settingsPath, files, output, nullptr, &devices};
    return cli::RunCli(args, env);
  }
  void Put(std::string_view classPath, const char* slot, const std::string& name) {
    ASSERT_EQ(adapters.EnsureRegistryKey(kHklm, std::string(classPath) + slot), 0);
    ASSERT_EQ(adapters.WriteRegistryValue(kHklm, std::string(classPath) + slot, SsidValueName, name, reg::kSz), 0);
  }
  // Everything below HKEY_LOCAL_MACHINE, as a .reg export.
  std::string Everything() { return ExportRegText(memory); }
  std::string Settings() { return ReadBytes(settingsPath); }

  MemoryRegistry memory;
  AdapterRegistry adapters{memory};
  IniProfileStore profiles;
  DiskFiles files;
  TempDir dir;
  std::string settingsPath = dir.File("360RI.INI");
  RecordingOutput output;
  FakeDevices devices;
};

}  // namespace wendral::test
