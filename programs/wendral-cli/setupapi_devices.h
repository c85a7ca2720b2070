#pragma once
// The network-class devices through SetupAPI, loaded at run time from the system folder.
#include "cli/network_devices.h"

namespace wendral::win32 {

class SetupApiDevices final : public cli::NetworkDevices {
 public:
  std::optional<std::vector<cli::NetworkDevice>> List(std::uint32_t* error) override;
  cli::RestartResult Restart(const cli::NetworkDevice& device) override;
};

}  // namespace wendral::win32
