#pragma once
// The settings store on kernel32's profile functions.
#include "app/profile_store.h"

namespace wendral {

class Win32ProfileStore final : public ProfileStore {
 public:
  std::string Read(const std::string& section, const std::string& key, const std::string& defaultValue,
                   std::size_t bufferSize, const std::string& path) override;
  bool Write(const std::string& section, const std::string& key, const std::string& value,
             const std::string& path) override;

  // Drops kernel32's cached copy of the profile file at path, so the next call reads the
  // file from disk again.
  static void Flush(const std::string& path);
};

}  // namespace wendral
