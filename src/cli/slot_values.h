#pragma once
// The "SSID" values of slots "0000" to "0099" below both class keys, read as stored (type
// and bytes), with read-only access so they can be listed, searched and backed up without
// elevation.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/registry_api.h"

namespace wendral::cli {

// The two class keys in the order the tool lists them: "Windows7", then "Windows XP".
std::vector<std::string_view> ClassPaths();

struct SlotValue {
  std::string path;  // class key path and slot suffix, relative to HKEY_LOCAL_MACHINE
  std::string suffix;
  bool keyExists = false;
  bool hasValue = false;
  std::uint32_t type = 0;
  std::string data;  // the stored bytes; REG_SZ as UTF-16LE, its terminator included
};

// One slot's "SSID" as stored, whether or not code page 936 can hold it. Paths are ASCII.
class SsidAccess {
 public:
  virtual ~SsidAccess() = default;
  // Opens the key read-only and fills keyExists, hasValue, type and data. Absence of the key
  // or value is no failure.
  virtual Status Read(SlotValue* slot) = 0;
  // Creates the key when needed and sets "SSID".
  virtual Status Write(const std::string& path, std::uint32_t type, std::string_view data) = 0;
};

// Over the registry's wide calls, the real registry's or the in-memory one's.
class RegistrySsidAccess final : public SsidAccess {
 public:
  explicit RegistrySsidAccess(RegistryApi& api) : api_(api) {}
  Status Read(SlotValue* slot) override;
  Status Write(const std::string& path, std::uint32_t type, std::string_view data) override;

 private:
  RegistryApi& api_;
};

struct SlotScan {
  std::vector<SlotValue> slots;  // 200: every slot of the first class key, then the second
  Status failure = 0;            // the first read that failed for another reason than absence
  std::string failedPath;
};

SlotScan ScanSlots(SsidAccess& access);

// The slot the main window's search would pick below classPath, from a scan (SearchSlots
// over the values read). Empty when none.
std::string FoundSlot(const SlotScan& scan, std::string_view classPath);

// A value as the tool prints it (UTF-8): a text in quotes with \ " and control characters
// escaped, a number in decimal, anything else by its type and size.
std::string DescribeValue(std::uint32_t type, std::string_view data);
// A UTF-8 text in quotes, escaped as DescribeValue does.
std::string Quote(std::string_view utf8);
// Quote's inverse; nothing for text Quote does not write.
std::optional<std::string> Unquote(std::string_view quoted);

}  // namespace wendral::cli
