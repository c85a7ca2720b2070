#pragma once
// The "SSID" values by advapi32's wide calls: a name is read and written as the registry holds
// it, also where code page 936 has no form for a character.
#include "cli/slot_values.h"

namespace wendral::win32 {

class Win32SsidAccess final : public cli::SsidAccess {
 public:
  Status Read(cli::SlotValue* slot) override;
  Status Write(const std::string& path, std::uint32_t type, std::string_view data) override;
};

}  // namespace wendral::win32
