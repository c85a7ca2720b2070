#include "cli/stick_restart.h"

#include <cstdio>
#include <optional>
#include <set>

#include "app/network_name.h"
#include "app/registry_api.h"
#include "cli/cli_texts.h"
#include "cli/slot_values.h"

namespace wendral::cli {
namespace {

constexpr std::string_view kNetClassKey = "{4d36e972-e325-11ce-bfc1-08002be10318}\\";
constexpr std::string_view kReplug = "请重新拨插这个随身WIFI,让新名称生效。";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string Named(const NetworkDevice& device) { return Quote(device.description) + "(" + device.instanceId + ")"; }

// "(错误代码 N)", SetupAPI's own codes (0xE000....) in hexadecimal; nothing when the system
// gave no code (Wine's class install parameters fail without one).
std::string ErrorNote(std::uint32_t code) {
  if (code == 0) return {};
  if (code < 0x10000) return "(错误代码 " + std::to_string(code) + ")";
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
  return "(错误代码 " + std::string(text) + ")";
}

std::optional<std::vector<NetworkDevice>> ListDevices(NetworkDevices* devices, std::uint32_t* error) {
  if (devices == nullptr) return std::vector<NetworkDevice>();
  return devices->List(error);
}

}  // namespace

std::string DriverKeySlot(std::string_view driverKey) {
  if (driverKey.size() != kNetClassKey.size() + 4) return {};
  if (!SameIgnoringCase(driverKey.substr(0, kNetClassKey.size()), kNetClassKey)) return {};
  const std::string_view suffix = driverKey.substr(kNetClassKey.size());
  return IsSlotSuffix(suffix) ? std::string(suffix) : std::string();
}

bool OnUsb(const NetworkDevice& device) {
  const std::string_view id = device.instanceId;
  return SameIgnoringCase(id.substr(0, id.find('\\')), "USB");
}

int RestartSticks(NetworkDevices* devices, const std::vector<std::string>& slotPaths, bool dryRun, CliOutput& out,
                  int statusWhenNone) {
  std::uint32_t error = 0;
  const std::optional<std::vector<NetworkDevice>> all = ListDevices(devices, &error);
  if (!all) {
    out.Err("无法列出网络设备" + ErrorNote(error) + ",没有重启任何设备。" +
            (dryRun ? std::string() : "请重新拨插随身WIFI,让新名称生效。") + "\n");
    return dryRun ? kExitOk : kExitNotRestarted;
  }
  std::set<std::string> slots;
  for (const std::string& path : slotPaths) {
    if (path.size() >= 4) slots.insert(path.substr(path.size() - 4));
  }
  std::vector<const NetworkDevice*> sticks;
  for (const NetworkDevice& device : *all) {
    if (device.present && OnUsb(device) && slots.count(DriverKeySlot(device.driverKey)) != 0) sticks.push_back(&device);
  }
  if (sticks.empty()) {
    const std::string none = "没有找到使用这些位置、已接入的 USB 网络设备,没有重启任何设备。\n";
    if (statusWhenNone == kExitOk) {
      out.Out(none);
    } else {
      out.Err(none);
    }
    return statusWhenNone;
  }
  int status = kExitOk;
  for (const NetworkDevice* stick : sticks) {
    if (dryRun) {
      out.Out("将重启设备 " + Named(*stick) + "\n");
      continue;
    }
    const RestartResult result = devices->Restart(*stick);
    switch (result.outcome) {
      case RestartOutcome::Restarted: out.Out("已重启设备 " + Named(*stick) + ",它会使用新名称。\n"); break;
      case RestartOutcome::NeedsReboot:
        out.Err("设备 " + Named(*stick) + " 要重新启动电脑才能重启。" + std::string(kReplug) + "\n");
        status = kExitNotRestarted;
        break;
      case RestartOutcome::Failed:
        out.Err("无法重启设备 " + Named(*stick) + ErrorNote(result.error) + "。" + std::string(kReplug) + "\n");
        if (result.error == static_cast<std::uint32_t>(reg::kErrorAccessDenied)) {
          out.Err(std::string(texts::kElevate) + "\n");
        }
        status = kExitNotRestarted;
        break;
    }
  }
  return status;
}

SlotOwners::SlotOwners(NetworkDevices* devices, CliOutput& out) {
  std::uint32_t error = 0;
  std::optional<std::vector<NetworkDevice>> all = ListDevices(devices, &error);
  if (all) {
    devices_ = std::move(*all);
  } else {
    out.Err("无法列出网络设备" + ErrorNote(error) + ",下面不显示各位置的设备。\n");
  }
}

std::string SlotOwners::Note(std::string_view suffix) const {
  std::string note;
  for (const NetworkDevice& device : devices_) {
    if (DriverKeySlot(device.driverKey) != suffix) continue;
    note += "  设备: " + Quote(device.description) + "(" + device.instanceId + "," +
            (OnUsb(device) ? "USB" : "其他总线") + "," + (device.present ? "已接入" : "未接入") + ")";
  }
  return note;
}

}  // namespace wendral::cli
