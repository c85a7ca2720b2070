// wendral-cli restore: whatever the file, what it may do to the registry is put back "SSID"
// values of slots 0000 to 0099 below the two class keys, with data a backup can hold, and
// nothing else: no other value, no other key, no slot key that holds more than "SSID".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/adapter_registry.h"
#include "app/network_name.h"
#include "cli/slot_values.h"
#include "cli/ssid_backup.h"
#include "formats/memory_registry.h"
#include "formats/utf16.h"
#include "fuzz_check.h"

using namespace wendral;

namespace {

constexpr RegKey kHklm = reg::kHkeyLocalMachine;

void Put(MemoryRegistry& registry, const std::string& path, const char* name, std::uint32_t type,
         std::string_view data) {
  RegKey key = 0;
  FUZZ_CHECK(registry.CreateKey(kHklm, path.c_str(), 0, reg::kKeyAllAccess, &key, nullptr) == 0);
  registry.SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                    static_cast<std::uint32_t>(data.size()));
  registry.CloseKey(key);
}

// A terminated REG_SZ as the wide calls store it.
std::string Text(std::string_view utf8) { return ToTerminatedUtf16Le(utf8); }

bool IsSlotKey(const std::string& path) {
  for (std::string_view classPath : cli::ClassPaths()) {
    if (path.size() == classPath.size() + 4 && path.compare(0, classPath.size(), classPath) == 0 &&
        IsSlotSuffix(std::string_view(path).substr(classPath.size()))) {
      return true;
    }
  }
  return false;
}

// The tree without what a restore may change: "SSID" of each slot key, and a slot key left
// with nothing in it. Checks on the way that every "SSID" of a slot is data a backup holds.
void Strip(RegKeySnapshot& key, const std::string& path, bool checkData) {
  for (auto child = key.subkeys.begin(); child != key.subkeys.end();) {
    const std::string childPath = path.empty() ? child->name : path + "\\" + child->name;
    Strip(*child, childPath, checkData);
    if (IsSlotKey(childPath)) {
      for (auto value = child->values.begin(); value != child->values.end();) {
        if (value->name == "SSID") {
          if (checkData) {
            FUZZ_CHECK(value->data.size() <= cli::kMaxValueBytes);
            FUZZ_CHECK(value->type == reg::kSz || value->type == reg::kDword || value->type == reg::kBinary);
            if (value->type == reg::kSz) {
              FUZZ_CHECK(Utf16LeToUtf8(value->data).find_first_of("\r\n") == std::string::npos);
            }
          }
          value = child->values.erase(value);
        } else {
          ++value;
        }
      }
      if (child->values.empty() && child->subkeys.empty()) {
        child = key.subkeys.erase(child);
        continue;
      }
    }
    ++child;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const cli::RestorePlan plan = cli::ReadRestoreFile(input);
  if (!plan.refusal.empty()) {
    FUZZ_CHECK(plan.steps.empty() && !plan.settings);
    return 0;
  }
  FUZZ_CHECK(!plan.steps.empty() && plan.steps.size() <= cli::kMaxSlots);

  // Both class keys with a stick, a wired card, a key with a sub-key, and keys around them.
  MemoryRegistry registry;
  const std::string c001(ControlSet001ClassPath), current(CurrentControlSetClassPath);
  Put(registry, c001 + "0000", "DriverDesc", reg::kSz, Text("nic"));
  Put(registry, c001 + "0000", "SSID", reg::kSz, Text("wired"));
  Put(registry, c001 + "0007", "SSID", reg::kSz, Text("stick"));
  Put(registry, current + "0007", "SSID", reg::kDword, std::string_view("\1\0\0\0", 4));
  Put(registry, current + "0042\\Ndi", "Service", reg::kSz, Text("x"));
  Put(registry, current + "0099", "SSID", reg::kSz, Text("last"));
  Put(registry, c001 + "Properties", "SSID", reg::kSz, Text("not a slot"));
  Put(registry, c001.substr(0, c001.size() - 1), "SSID", reg::kSz, Text("class key"));
  Put(registry, "SOFTWARE\\Wendral", "SSID", reg::kSz, Text("elsewhere"));
  std::optional<RegKeySnapshot> before = registry.Snapshot(kHklm, "");
  FUZZ_CHECK(before.has_value());

  cli::RegistrySsidAccess access(registry);
  const WriteTally tally = cli::ApplyRestore(registry, access, plan.steps);
  FUZZ_CHECK(tally.total == static_cast<int>(plan.steps.size()));
  std::optional<RegKeySnapshot> after = registry.Snapshot(kHklm, "");
  FUZZ_CHECK(after.has_value());
  Strip(*before, "", false);
  Strip(*after, "", true);
  FUZZ_CHECK(*before == *after);
  return 0;
}
