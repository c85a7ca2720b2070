#pragma once
// The network-class devices as the system's device manager knows them, and the one thing
// wendral-cli does to them: a restart, which makes the stick's driver read "SSID" again, as a
// re-plug does. The Windows side only asks SetupAPI; which devices to restart and what to tell
// the user is decided in stick_restart.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wendral::cli {

struct NetworkDevice {
  std::string instanceId;   // "USB\VID_0BDA&PID_8179\...": its first part is the enumerator (bus)
  std::string description;  // friendly name, else the device description
  std::string driverKey;    // "{4d36e972-e325-11ce-bfc1-08002be10318}\0042", as the device names it
  bool present = false;     // plugged in (or built in) now
};

enum class RestartOutcome { Restarted, NeedsReboot, Failed };

struct RestartResult {
  RestartOutcome outcome = RestartOutcome::Failed;
  std::uint32_t error = 0;  // Failed: the system's error code
};

class NetworkDevices {
 public:
  virtual ~NetworkDevices() = default;
  // Every network-class device, present or not; nothing, with *error set, when the list
  // cannot be read.
  virtual std::optional<std::vector<NetworkDevice>> List(std::uint32_t* error) = 0;
  // Stops and starts the device again through its class installer.
  virtual RestartResult Restart(const NetworkDevice& device) = 0;
};

}  // namespace wendral::cli
