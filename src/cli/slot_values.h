#pragma once
// The "SSID" values of slots "0000" to "0099" below both class keys, read as stored (type
// and bytes), with read-only access so they can be listed and backed up without elevation.
#include <cstdint>
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
  std::string data;  // the stored bytes (ANSI text with its terminator for REG_SZ)
};

struct SlotScan {
  std::vector<SlotValue> slots;  // 200: every slot of the first class key, then the second
  Status failure = 0;            // the first read that failed for another reason than absence
  std::string failedPath;
};

SlotScan ScanSlots(RegistryApi& api);

// A value as the tool prints it (UTF-8): a text in quotes with \ " and control characters
// escaped, a number in decimal, anything else by its type and size.
std::string DescribeValue(std::uint32_t type, std::string_view data);
// A UTF-8 text in quotes, escaped as DescribeValue does.
std::string Quote(std::string_view utf8);

}  // namespace wendral::cli
