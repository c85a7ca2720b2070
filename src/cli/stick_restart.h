#pragma once
// After a write, the stick is restarted instead of re-plugged: only a device the user may
// lose for a moment (on USB, plugged in) and only one whose driver key is a slot that holds
// the new name. A wired or built-in card stays untouched: the remote session that runs the
// tool may run over it.
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/network_devices.h"

namespace wendral::cli {

// "0042" for "{4d36e972-e325-11ce-bfc1-08002be10318}\0042" in any letter case; empty for a
// driver key of another class or outside "0000".."0099".
std::string DriverKeySlot(std::string_view driverKey);
// The instance id's enumerator is USB.
bool OnUsb(const NetworkDevice& device);

// Restarts (or, dryRun, lists) the present USB devices whose driver key is the slot of one of
// slotPaths (instance key paths of either control set), naming each. kExitOk when each one
// restarted; kExitNotRestarted when one could not, or the devices could not be listed; and
// statusWhenNone, said on the error stream unless kExitOk, when no device qualifies. Null
// devices: a system without a device manager, which has no devices.
int RestartSticks(NetworkDevices* devices, const std::vector<std::string>& slotPaths, bool dryRun, CliOutput& out,
                  int statusWhenNone);

// The devices behind the slots, for status: listed once, then a note per slot.
class SlotOwners {
 public:
  // When the list cannot be read, says so on out's error stream and notes nothing.
  SlotOwners(NetworkDevices* devices, CliOutput& out);
  // "  设备: "…"(instance id,USB,已接入)" for each device whose driver key is this slot.
  std::string Note(std::string_view suffix) const;

 private:
  std::vector<NetworkDevice> devices_;
};

}  // namespace wendral::cli
