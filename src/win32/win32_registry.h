#pragma once
// The adapter registry layer's calls on the real registry: advapi32's wide functions.
#include "app/registry_api.h"

namespace wendral {

class Win32Registry final : public RegistryApi {
 public:
  Status OpenKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result) override;
  Status CreateKey(RegKey root, const char* subKey, std::uint32_t options, std::uint32_t access, RegKey* result,
                   std::uint32_t* disposition) override;
  Status QueryValue(RegKey key, const char* name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
  Status SetValue(RegKey key, const char* name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
  Status DeleteValue(RegKey key, const char* name) override;
  Status CloseKey(RegKey key) override;
  Status QueryKeyCounts(RegKey key, std::uint32_t* subKeys, std::uint32_t* values) override;
  Status DeleteKey(RegKey root, const char* subKey) override;
};

}  // namespace wendral
