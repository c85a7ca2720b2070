#pragma once
// The settings stores a build has: the portable one everywhere, kernel32's on Windows.
#include <memory>
#include <string>
#include <vector>

#include "app/profile_store.h"
#include "formats/ini_profile.h"
#ifdef _WIN32
#include "win32/win32_profile.h"
#endif

namespace wendral::test {

struct StoreKind {
  std::string name;
  std::unique_ptr<ProfileStore> (*make)();
  void (*flush)(const std::string& path);  // drops a cached copy of the file
};

inline std::vector<StoreKind> StoreKinds() {
  std::vector<StoreKind> kinds;
  kinds.push_back({"portable", [] { return std::unique_ptr<ProfileStore>(new IniProfileStore); },
                   [](const std::string&) {}});
#ifdef _WIN32
  kinds.push_back({"kernel32", [] { return std::unique_ptr<ProfileStore>(new Win32ProfileStore); },
                   &Win32ProfileStore::Flush});
#endif
  return kinds;
}

}  // namespace wendral::test
