#pragma once
// The settings store where kernel32's profile functions are not at hand: reads and writes
// profile files itself, with the results those functions give (as Wine gives them).
#include "app/profile_store.h"

namespace wendral {

class IniProfileStore final : public ProfileStore {
 public:
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                   std::size_t bufferSize, const std::string& path) override;
  bool Write(const std::string& section, const std::string& key, const std::string& value,
             const std::string& path) override;
};

}  // namespace wendral
