#include "cli/slot_values.h"

#include <cstdio>

#include "app/adapter_registry.h"
#include "formats/utf16.h"

namespace wendral::cli {
namespace {

constexpr RegKey kHklm = reg::kHkeyLocalMachine;

}  // namespace

Status RegistrySsidAccess::Read(SlotValue* slot) {
  RegKey key = 0;
  const Status opened = api_.OpenKey(kHklm, slot->path.c_str(), 0, reg::kKeyQueryValue, &key);
  if (opened == reg::kErrorFileNotFound) return 0;
  if (opened != reg::kErrorSuccess) return opened;
  slot->keyExists = true;
  const std::string ssid(SsidValueName);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  Status status = api_.QueryValue(key, ssid.c_str(), &type, nullptr, &size);
  if (status == reg::kErrorSuccess) {
    std::string data(size, '\0');
    std::uint32_t read = size;
    status = api_.QueryValue(key, ssid.c_str(), &type, reinterpret_cast<std::uint8_t*>(data.data()), &read);
    if (status == reg::kErrorSuccess) {
      data.resize(read <= size ? read : size);
      slot->hasValue = true;
      slot->type = type;
      slot->data = std::move(data);
    }
  } else if (status == reg::kErrorFileNotFound) {
    status = 0;
  }
  api_.CloseKey(key);
  return status;
}

Status RegistrySsidAccess::Write(const std::string& path, std::uint32_t type, std::string_view data) {
  RegKey key = 0;
  // The access the window's writes ask for, which the rights check before them tries.
  Status status = api_.CreateKey(kHklm, path.c_str(), 0, reg::kAdapterKeyAccess, &key, nullptr);
  if (status != 0) return status;
  status = api_.SetValue(key, std::string(SsidValueName).c_str(), type,
                         reinterpret_cast<const std::uint8_t*>(data.data()), static_cast<std::uint32_t>(data.size()));
  api_.CloseKey(key);
  return status;
}

std::vector<std::string_view> ClassPaths() { return {ControlSet001ClassPath, CurrentControlSetClassPath}; }

SlotScan ScanSlots(SsidAccess& access) {
  SlotScan scan;
  for (std::string_view classPath : ClassPaths()) {
    for (int n = kFirstSlot; n <= kLastSlot; ++n) {
      SlotValue slot;
      slot.suffix = SlotSuffix(n);
      slot.path = std::string(classPath) + slot.suffix;
      const Status status = access.Read(&slot);
      if (status != 0 && scan.failure == 0) {
        scan.failure = status;
        scan.failedPath = slot.path;
      }
      scan.slots.push_back(std::move(slot));
    }
  }
  return scan;
}

std::string FoundSlot(const SlotScan& scan, std::string_view classPath) {
  return SearchSlots(classPath, [&scan](const std::string& path) {
    for (const SlotValue& slot : scan.slots) {
      if (slot.path == path) return slot.hasValue && ReadsAsText(slot.type, slot.data.size());
    }
    return false;
  });
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

std::optional<std::string> Unquote(std::string_view quoted) {
  if (quoted.size() < 2 || quoted.front() != '"' || quoted.back() != '"') return std::nullopt;
  std::string out;
  for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
    const char c = quoted[i];
    if (c == '"') return std::nullopt;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (i + 2 >= quoted.size()) return std::nullopt;
    switch (quoted[++i]) {
      case '"': out += '"'; break;
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'x': {
        if (i + 3 >= quoted.size()) return std::nullopt;
        unsigned value = 0;
        for (int k = 0; k < 2; ++k) {
          const char h = quoted[++i];
          const int digit = h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : -1;
          if (digit < 0) return std::nullopt;
          value = value * 16 + static_cast<unsigned>(digit);
        }
        out += static_cast<char>(value);
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
}

std::string DescribeValue(std::uint32_t type, std::string_view data) {
  if (type == reg::kSz) {
    std::string text = Utf16LeToUtf8(data);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return Quote(text);
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
