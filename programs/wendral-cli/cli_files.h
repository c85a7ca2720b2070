#pragma once
// Files for wendral-cli by their Unicode names.
#include "cli/cli_commands.h"

namespace wendral::win32 {

class Win32CliFiles final : public cli::CliFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override;
  NewFile WriteNew(const std::string& path, const std::string& bytes) override;
  bool NormalFileExists(const std::string& path) override;
};

}  // namespace wendral::win32
