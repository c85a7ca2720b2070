#include "cli/slot_values.h"

#include <cstdio>

#include "app/adapter_registry.h"
#include "app/ansi_text.h"

namespace wendral::cli {
namespace {

// Reads "SSID" of one slot into *slot; returns the failure that is not mere absence, or 0.
Status ReadSlot(RegistryApi& api, SlotValue* slot) {
  RegKey key = 0;
  const Status opened = api.OpenKey(reg::kHkeyLocalMachine, slot->path.c_str(), 0, reg::kKeyQueryValue, &key);
  if (opened == reg::kErrorFileNotFound) return 0;
  if (opened != reg::kErrorSuccess) return opened;
  slot->keyExists = true;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  Status status = api.QueryValue(key, "SSID", &type, nullptr, &size);
  if (status == reg::kErrorSuccess) {
    std::string data(size, '\0');
    std::uint32_t read = size;
    status = api.QueryValue(key, "SSID", &type, reinterpret_cast<std::uint8_t*>(data.data()), &read);
    if (status == reg::kErrorSuccess) {
      data.resize(read <= size ? read : size);
      slot->hasValue = true;
      slot->type = type;
      slot->data = std::move(data);
    }
  } else if (status == reg::kErrorFileNotFound) {
    status = 0;
  }
  api.CloseKey(key);
  return status;
}

}  // namespace

std::vector<std::string_view> ClassPaths() { return {ControlSet001ClassPath, CurrentControlSetClassPath}; }

SlotScan ScanSlots(RegistryApi& api) {
  SlotScan scan;
  for (std::string_view classPath : ClassPaths()) {
    for (int n = 0; n <= 99; ++n) {
      SlotValue slot;
      slot.suffix = SlotSuffix(n);
      slot.path = std::string(classPath) + slot.suffix;
      const Status status = ReadSlot(api, &slot);
      if (status != 0 && scan.failure == 0) {
        scan.failure = status;
        scan.failedPath = slot.path;
      }
      scan.slots.push_back(std::move(slot));
    }
  }
  return scan;
}

std::string Quote(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string DescribeValue(std::uint32_t type, std::string_view data) {
  if (type == reg::kSz) {
    std::string_view text = data;
    if (!text.empty() && text.back() == '\0') text.remove_suffix(1);
    return Quote(FromAnsi(text));
  }
  if (type == reg::kDword && data.size() == 4) {
    std::int32_t number = 0;
    for (int i = 3; i >= 0; --i) {
      number = static_cast<std::int32_t>((static_cast<std::uint32_t>(number) << 8) |
                                         static_cast<unsigned char>(data[static_cast<std::size_t>(i)]));
    }
    return std::to_string(number) + " (REG_DWORD)";
  }
  return "(类型 " + std::to_string(type) + ", " + std::to_string(data.size()) + " 字节)";
}

}  // namespace wendral::cli
